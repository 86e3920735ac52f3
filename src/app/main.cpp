#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "pages/PageClasses.h"
#include "pages/PageLayoutCheck.h"
#include "platform/Application.h"
#include "platform/FormCheck.h"
#include "platform/Timer.h"
#include "shell/CoursePlayer.h"
#include "shell/CourseWindows.h"
#include "shell/Main.h"
#include "shell/ProgramOptions.h"

int main(int argc, char* argv[]) {
  const TProgramOptions Options = ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  switch (Options.Action) {
    case TProgramOptions::Help:
      std::fputs(ProgramUsage().c_str(), stdout);
      return 0;
    case TProgramOptions::Version:
      std::printf("Velotra %s\n", VELOTRA_VERSION);
      return 0;
    case TProgramOptions::Unknown:
      std::fprintf(stderr, "velotra: %s\n\n%s", Options.Problem.c_str(), ProgramUsage().c_str());
      return 2;
    default:
      break;
  }
  const bool CheckForms = Options.Action == TProgramOptions::CheckForms;
  const bool CheckLayout = Options.Action == TProgramOptions::CheckLayout;
  if ((CheckForms || CheckLayout) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication App(argc, argv);
  TApplication::setApplicationName(QStringLiteral("Velotra"));
  App.SetTitle(QStringLiteral("Velotra"));
  // Qt's own dialogs (file, print) speak German like the course.
  QTranslator QtGerman;
  if (QtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&QtGerman);
  RegisterProgramClasses();
  if (CheckForms) {
    QStringList Files;
    for (const std::string& F : Options.Files) Files << QString::fromLocal8Bit(F.c_str());
    return RunFormCheck(Files);
  }
  // A script's timers tick only when the script says so.
  if (Options.Action == TProgramOptions::Play) TTimer::SetScriptedTime(true);
  const TCourseWindows Windows;
  TfmMain& Main = Windows.Main();
  Main.show();
  if (CheckLayout) {
    QTimer::singleShot(0, &Main, [&Main, &Options] {
      QTextStream Out(stdout);
      QCoreApplication::exit(RunLayoutCheck(Main, Options.Pages, Out));
    });
  } else if (Options.Action == TProgramOptions::Play) {
    const QString Script = QString::fromLocal8Bit(Options.Script.c_str());
    QTimer::singleShot(0, &Main, [&Main, Script] {
      QTextStream Out(stdout);
      QCoreApplication::exit(PlayCourseScript(Main, Script, Out));
    });
  } else if (!Options.Screenshot.empty()) {
    // Saves a picture of the main window shortly after start and ends.
    const QString File = QString::fromLocal8Bit(Options.Screenshot.c_str());
    QTimer::singleShot(1500, &Main, [&Main, File] {
      const bool Saved = Main.grab().save(File);
      QCoreApplication::exit(Saved ? 0 : 1);
    });
  }
  return App.exec();
}
