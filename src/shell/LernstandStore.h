#pragma once
// Where the Lernstand lives between lessons: lernstand.json in a data
// folder, written whole or not at all (QSaveFile), at most once per
// SaveDelayMs, and guarded by a lock file so that a second copy of the
// program only reads it.
//
// The data folder is VELOTRA_DATA when that is set. Otherwise the program
// proper uses the platform's application data folder (on Linux
// $XDG_DATA_HOME/velotra), and everything else (course scripts, tests,
// benchmarks) a fresh temporary folder that is made at the first write and
// removed with the store, so none of them ever touches the pupil's file.
//
// Nothing goes wrong silently and nothing is lost: a file that cannot be
// read is moved aside as lernstand.beschädigt-<date>.json and the course
// goes on with a new Lernstand; a folder that cannot be written, or a lock
// held by another copy, leaves the file as it is. Each of these is told to
// the pupil once (Notices).
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "shell/Lernstand.h"

class QLockFile;
class QTemporaryDir;

class TLernstandStore : public QObject {
  Q_OBJECT
 public:
  enum class TPlace { Temporary, User };
  static constexpr int SaveDelayMs = 200;

  // The place stores are made for unless told otherwise; Temporary until
  // the program proper says User at start-up.
  static void SetDefaultPlace(TPlace Place);
  static TPlace DefaultPlace();
  // The folder of a place: VELOTRA_DATA when set, the application data
  // folder for User, empty for Temporary.
  static QString FolderOf(TPlace Place);
  static TLernstandTime Now();

  explicit TLernstandStore(TPlace Place = DefaultPlace());
  // Writes what is still pending.
  ~TLernstandStore() override;

  // Takes the lock and reads the file. Afterwards Notices() holds what the
  // pupil is to be told.
  void Open();

  const TLernstand& Lernstand() const { return FLernstand; }
  // For changes; each one is to be followed by Changed().
  TLernstand& Edit() { return FLernstand; }
  // Schedules a write within SaveDelayMs (nothing for a read-only store).
  void Changed();
  // Writes now when a change is pending; false when the write failed.
  bool Flush();
  bool Pending() const { return FPending; }

  // The visits read at Open: the way of the earlier lessons.
  const std::vector<int>& EarlierVisits() const { return FEarlierVisits; }
  // True when this copy must not write: another one holds the lock, or the
  // folder cannot be written.
  bool ReadOnly() const { return !FWritable; }
  // The data folder; empty while a temporary one is not made yet.
  QString Folder() const;
  QString FilePath() const;

  // What the pupil is to be told and has not been told yet.
  QStringList TakeNotices();
  // Called when a notice arises after Open (a write that failed).
  std::function<void()> OnNotice;

  // Starts afresh: the file is kept as lernstand.bak and an empty
  // Lernstand written. False with Error when the file could not be put aside.
  bool Reset(QString& Error);

 private:
  enum TNotice { nDamaged, nNotWritable, nSecondCopy, NoticeCount };
  void Tell(TNotice Kind, const QString& Text);
  bool EnsureFolder();
  void ReadFile();
  bool MoveAside(QString& Error);
  bool Write();

  TPlace FPlace;
  QString FFolder;
  std::unique_ptr<QTemporaryDir> FTemporary;
  std::unique_ptr<QLockFile> FLock;
  TLernstand FLernstand;
  std::vector<int> FEarlierVisits;
  bool FWritable = true;
  bool FPending = false;
  bool FTold[NoticeCount] = {};
  QStringList FNotices;
  QTimer FSaveTimer;
};

// Writes Lernstand to Path as JSON, whole or not at all: a write that fails
// or is cut off leaves the file as it was. False with Error when it failed.
bool WriteLernstandFile(const QString& Path, const TLernstand& Lernstand, QString& Error);

// The notices' texts.
extern const char* const LernstandDamagedText;
extern const char* const LernstandNotSavedText;  // followed by the reason
extern const char* const LernstandSecondCopyText;
