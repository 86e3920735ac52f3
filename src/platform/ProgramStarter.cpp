#include "platform/ProgramStarter.h"

#include <QEventLoop>

TProgramStarter::TProgramStarter() = default;

TProgramStarter::~TProgramStarter() { Stop(); }

bool TProgramStarter::Start(const QString& Program, const QStringList& Arguments, const QString& WorkingFolder) {
  Stop();
  FErrorText.clear();
  auto Process = std::make_unique<QProcess>();
  Process->setProgram(Program);
  Process->setArguments(Arguments);
  if (!WorkingFolder.isEmpty()) Process->setWorkingDirectory(WorkingFolder);
  // The program's output is not ours to collect.
  Process->setStandardInputFile(QProcess::nullDevice());
  Process->setStandardOutputFile(QProcess::nullDevice());
  Process->setStandardErrorFile(QProcess::nullDevice());
  Process->start();
  if (!Process->waitForStarted(5000)) {
    FErrorText = Process->errorString();
    return false;
  }
  FProcess = std::move(Process);
  return true;
}

void TProgramStarter::Stop(int TimeoutMs) {
  if (!FProcess) return;
  if (FProcess->state() != QProcess::NotRunning) {
    FProcess->terminate();
    if (!FProcess->waitForFinished(TimeoutMs)) {
      FProcess->kill();
      FProcess->waitForFinished(TimeoutMs);
    }
  }
  FProcess.reset();
}

bool TProgramStarter::Running() const { return FProcess && FProcess->state() != QProcess::NotRunning; }

void TProgramStarter::WaitForEnd() {
  if (!Running()) return;
  QEventLoop Loop;
  QObject::connect(FProcess.get(), &QProcess::finished, &Loop, &QEventLoop::quit);
  QObject::connect(FProcess.get(), &QProcess::errorOccurred, &Loop, &QEventLoop::quit);
  // It may have ended before the loop was ready.
  if (Running()) Loop.exec();
}
