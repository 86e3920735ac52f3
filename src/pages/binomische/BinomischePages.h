#pragma once
// Registers the exercise and summary pages of the binomial chapter.
void RegisterBinomischePages();
