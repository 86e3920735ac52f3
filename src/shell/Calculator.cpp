#include "shell/Calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Process descriptors, called through the system calls themselves (the C
// library's wrappers are not available everywhere).
int OpenProcessFd(qint64 Pid) { return static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(Pid), 0u)); }

void SignalProcessFd(int Fd, int Signal) { syscall(SYS_pidfd_send_signal, Fd, Signal, nullptr, 0u); }

}  // namespace

std::optional<TProcessRecord> TDetachedStarter::Start(const QString& Program, const QStringList& Arguments) {
  QProcess Process;
  Process.setProgram(Program);
  Process.setArguments(Arguments);
  Process.setStandardInputFile(QProcess::nullDevice());
  Process.setStandardOutputFile(QProcess::nullDevice());
  Process.setStandardErrorFile(QProcess::nullDevice());
  qint64 Pid = 0;
  if (!Process.startDetached(&Pid) || Pid <= 0) return std::nullopt;
  TProcessRecord Record;
  Record.ProcessId = Pid;
  // The descriptor stays bound to this very process, so a later signal can
  // never hit another process that inherited the number.
  int Fd = OpenProcessFd(Pid);
  if (Fd == NoProcessHandle) {
    const int Other = fcntl(Fd, F_DUPFD_CLOEXEC, 0);
    close(Fd);
    Fd = Other;
  }
  if (Fd >= 0) Record.Handle = Fd;
  return Record;
}

void TDetachedStarter::Terminate(const TProcessRecord& Record) {
  if (Record.Handle == NoProcessHandle || Record.Handle < 0) return;
  SignalProcessFd(Record.Handle, SIGTERM);
  close(Record.Handle);
}

void TDetachedStarter::Release(const TProcessRecord& Record) {
  if (Record.Handle == NoProcessHandle || Record.Handle < 0) return;
  close(Record.Handle);
}

const QStringList& CalculatorPrograms() {
  static const QStringList Names{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                 QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
                                 QStringLiteral("mate-calc"),        QStringLiteral("xcalc")};
  return Names;
}

QString FindCalculator(const TProgramFinder& Finder) {
  for (const QString& Name : CalculatorPrograms()) {
    const QString Path = Finder(Name);
    if (!Path.isEmpty()) return Path;
  }
  return {};
}

TCalculator::TCalculator(std::unique_ptr<TProcessStarter> Starter, TProgramFinder Finder)
    : FStarter(Starter ? std::move(Starter) : std::make_unique<TDetachedStarter>()),
      FFinder(Finder ? std::move(Finder) : TProgramFinder([](const QString& Name) {
        return QStandardPaths::findExecutable(Name);
      })) {}

TCalculator::~TCalculator() { FStarter->Release(FRecord); }

bool TCalculator::Start() {
  if (FRecord.Handle != NoProcessHandle) FStarter->Terminate(FRecord);
  FRecord = {};
  const QString Program = FindCalculator(FFinder);
  if (Program.isEmpty()) return false;
  const std::optional<TProcessRecord> Started = FStarter->Start(Program);
  if (!Started) return false;
  FRecord = *Started;
  return true;
}
