#pragma once
// Registers the game pages of the binomial chapter (TfmBIU0, TfmBIU1)
// and, through RegisterBinomischePages, the chapter's other pages.
void RegisterBinomialGamePages();
