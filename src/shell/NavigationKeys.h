#pragma once
// The keys of the navigation windows: Enter goes to the chosen page,
// Escape closes the window.
#include <functional>

class TCustomForm;

// Handles Key for Window: Enter calls Goto, Escape ends the window's modal
// showing; both keys are then used up (set to 0).
void HandleNavigationKey(TCustomForm& Window, int& Key, const std::function<void()>& Goto);
