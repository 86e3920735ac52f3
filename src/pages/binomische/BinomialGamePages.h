#pragma once
// Registers the game pages of the binomial chapter (TfmBIU0, TfmBIU1).
void RegisterBinomialGamePages();
