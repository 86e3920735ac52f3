#include "shell/Main.h"

TfmMain::TfmMain(QWidget* Parent) : QMainWindow(Parent) {
  setObjectName("fmMain");
  setWindowTitle(QStringLiteral("Velotra"));
  setFixedSize(800, 576);
}
