#pragma once
// Registers the game pages of the factoring chapter (TfmFAU0, TfmFAU1, TfmFAU2).
void RegisterFactoringGamePages();
