#include "platform/ProgramStarter.h"

TProgramStarter::TProgramStarter() = default;

TProgramStarter::~TProgramStarter() { Stop(); }

bool TProgramStarter::Start(const QString& Program, const QStringList& Arguments) {
  Stop();
  auto Process = std::make_unique<QProcess>();
  Process->setProgram(Program);
  Process->setArguments(Arguments);
  // The program's output is not ours to collect.
  Process->setStandardInputFile(QProcess::nullDevice());
  Process->setStandardOutputFile(QProcess::nullDevice());
  Process->setStandardErrorFile(QProcess::nullDevice());
  Process->start();
  if (!Process->waitForStarted(5000)) return false;
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
