#include "components/ComponentErrors.h"

#include <QString>

#include "platform/Application.h"

void ShowComponentException(const std::exception& E) { HandleException(E); }

void ShowCurrentComponentException() {
  try {
    throw;
  } catch (const std::exception& E) {
    ShowComponentException(E);
  } catch (...) {
    HandleErrorText(QStringLiteral("Unbekannter Fehler"));
  }
}
