#pragma once
// Registers the game pages of the factoring chapter (TfmFAU0, TfmFAU1).
void RegisterFactoringGamePages();
