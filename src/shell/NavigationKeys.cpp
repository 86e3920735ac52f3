#include "shell/NavigationKeys.h"

#include <Qt>

#include "platform/Forms.h"

void HandleNavigationKey(TCustomForm& Window, int& Key, const std::function<void()>& Goto) {
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
    Key = 0;
    Goto();
  } else if (Key == Qt::Key_Escape) {
    Key = 0;
    Window.SetModalResult(mrCancel);
    Window.hide();
  }
}
