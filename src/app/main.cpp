#include <QApplication>
#include <cstdio>
#include <cstring>

#include "shell/Main.h"

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Velotra %s\n", VELOTRA_VERSION);
      return 0;
    }
  }
  QApplication App(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velotra"));
  TfmMain Main;
  Main.show();
  return App.exec();
}
