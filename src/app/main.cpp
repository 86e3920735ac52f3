#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "pages/PageClasses.h"
#include "platform/Application.h"
#include "platform/FormCheck.h"
#include "shell/Main.h"
#include "terms/FncInput.h"

int main(int argc, char* argv[]) {
  bool CheckForms = false;
  const char* ScreenshotFile = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Velotra %s\n", VELOTRA_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--check-forms") == 0) CheckForms = true;
    // Saves a picture of the main window shortly after start and ends.
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) ScreenshotFile = argv[++i];
  }
  if (CheckForms && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  TApplication::setApplicationName(QStringLiteral("Velotra"));
  App.SetTitle(QStringLiteral("Velotra"));
  RegisterProgramClasses();
  if (CheckForms) {
    QStringList Files = TApplication::arguments().mid(1);
    Files.removeAll(QStringLiteral("--check-forms"));
    return RunFormCheck(Files);
  }
  TfmMain Main;
  // The term input window lives for the whole run; pages show it modally.
  const std::unique_ptr<TfmFncInput> FncInput = CreateForm<TfmFncInput>();
  Main.show();
  if (ScreenshotFile) {
    QTimer::singleShot(1500, &Main, [&Main, ScreenshotFile] {
      const bool Saved = Main.grab().save(QString::fromLocal8Bit(ScreenshotFile));
      QCoreApplication::exit(Saved ? 0 : 1);
    });
  }
  return App.exec();
}
