#pragma once
// The calculator of the tool bar. The program reaches the first calculator
// installed on the machine; at most one started by the course runs at a
// time: the one started before is ended before a new one starts. A running
// calculator outlives the course.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// The handle of the record when no calculator is recorded.
constexpr int NoProcessHandle = 65535;

// The process the course started last.
struct TProcessRecord {
  int Handle = NoProcessHandle;  // what ends the process; NoProcessHandle: none
  qint64 ProcessId = 0;
  friend bool operator==(const TProcessRecord&, const TProcessRecord&) = default;
};

// How processes are started and ended (replaced in tests).
class TProcessStarter {
 public:
  virtual ~TProcessStarter() = default;
  // Starts Program without waiting for it; nothing when it could not be
  // started. A started process whose end cannot be told safely is recorded
  // with NoProcessHandle.
  virtual std::optional<TProcessRecord> Start(const QString& Program, const QStringList& Arguments = {}) = 0;
  // Ends the recorded process (when it still runs) and releases the handle.
  virtual void Terminate(const TProcessRecord& Record) = 0;
  // Releases the handle and leaves the process running.
  virtual void Release(const TProcessRecord& Record) = 0;
};

// Starts programs as processes of their own that keep running when the
// course ends; a process is ended through a handle that cannot reach any
// other process, even after the pupil closed it.
class TDetachedStarter : public TProcessStarter {
 public:
  std::optional<TProcessRecord> Start(const QString& Program, const QStringList& Arguments = {}) override;
  void Terminate(const TProcessRecord& Record) override;
  void Release(const TProcessRecord& Record) override;
};

// The calculators looked for, in this order.
const QStringList& CalculatorPrograms();

// Finds an installed program by name: its path, or "" when it is not there.
using TProgramFinder = std::function<QString(const QString& Name)>;

// The path of the first calculator installed; "" when there is none.
QString FindCalculator(const TProgramFinder& Finder);

class TCalculator {
 public:
  // Without arguments: detached processes, programs on the search path.
  explicit TCalculator(std::unique_ptr<TProcessStarter> Starter = nullptr, TProgramFinder Finder = nullptr);
  ~TCalculator();
  TCalculator(const TCalculator&) = delete;
  TCalculator& operator=(const TCalculator&) = delete;

  // Ends the calculator recorded before, then starts a new one and records
  // it. False when no calculator could be started (the record is then
  // empty).
  bool Start();
  const TProcessRecord& Record() const { return FRecord; }

 private:
  std::unique_ptr<TProcessStarter> FStarter;
  TProgramFinder FFinder;
  TProcessRecord FRecord;
};
