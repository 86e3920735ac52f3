#pragma once
// Starts one outside program at a time (no shell involved). Starting another
// one, Stop, or the starter's end terminates the running one and waits for it.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

class TProgramStarter {
 public:
  TProgramStarter();
  ~TProgramStarter();
  TProgramStarter(const TProgramStarter&) = delete;
  TProgramStarter& operator=(const TProgramStarter&) = delete;

  // Program is a name found on the search path or a path. False when it
  // could not be started (ErrorText tells why). WorkingFolder empty: the
  // program runs in ours.
  bool Start(const QString& Program, const QStringList& Arguments = {}, const QString& WorkingFolder = {});
  // Why the last start failed.
  QString ErrorText() const { return FErrorText; }
  // Waits as long as it takes until the running program has ended; window
  // messages keep running meanwhile.
  void WaitForEnd();
  // Asks the program to end, waits up to TimeoutMs, then kills it.
  void Stop(int TimeoutMs = 3000);
  bool Running() const;

 private:
  std::unique_ptr<QProcess> FProcess;
  QString FErrorText;
};
