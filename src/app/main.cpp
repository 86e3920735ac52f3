#include <cstdio>
#include <cstring>

#include "platform/Application.h"
#include "shell/Main.h"

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Velotra %s\n", VELOTRA_VERSION);
      return 0;
    }
  }
  TApplication App(argc, argv);
  TApplication::setApplicationName(QStringLiteral("Velotra"));
  App.SetTitle(QStringLiteral("Velotra"));
  TfmMain Main;
  Main.show();
  return App.exec();
}
