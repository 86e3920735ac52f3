// The course object starting another program of the course and waiting for it.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/ProgramStarter.h"
#include "shell/MMX.h"
#include "shell/Wait.h"

namespace {

// Lets window messages run for Ms milliseconds.
void Pause(int Ms) {
  if (Ms <= 0) return;
  QEventLoop Loop;
  QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
  Loop.exec();
}

}  // namespace

QString TMMX::ExecProgramPath(const QString& ProgramName) const {
  // The course's programs lie in the application folder, else beside the
  // course itself; the search path is never asked.
  QString Folder = QString::fromStdString(FModel.ApplicationFolder());
  if (Folder.isEmpty()) Folder = QCoreApplication::applicationDirPath() + u'/';
  const QString Path = Folder + ProgramName;
  return QFileInfo(Path).isAbsolute() ? Path : QDir::current().absoluteFilePath(Path);
}

bool TMMX::ExecAndWait(const QString& ProgramName, int Number) {
  const QString Parameters =
      QString::fromStdString(FModel.ExecParameters(Number, FMainWindow->x(), FMainWindow->y()));
  std::unique_ptr<TfmWait> Wait = CreateForm<TfmWait>();
  Wait->ShowWaiting();

  const QString Program = ExecProgramPath(ProgramName);
  TProgramStarter Starter;
  if (!Starter.Start(Program, Parameters.split(u' '), QFileInfo(Program).absolutePath())) {
    Wait.reset();
    ShowMessage(u'"' + Program + QStringLiteral("\" konnte nicht geladen werden. (") + Starter.ErrorText() +
                QStringLiteral(")\nAufrufparameter: ") + Parameters);
    return false;
  }
  const bool HadCursor = FMainWindow->testAttribute(Qt::WA_SetCursor);
  const QCursor Before = FMainWindow->cursor();
  FMainWindow->setCursor(Qt::WaitCursor);
  // The program's window comes up before the course steps aside.
  Pause(ExecStartDelayMs);
  FMainWindow->hide();
  Wait.reset();
  Starter.WaitForEnd();
  FMainWindow->show();
  if (HadCursor)
    FMainWindow->setCursor(Before);
  else
    FMainWindow->unsetCursor();
  return true;
}
