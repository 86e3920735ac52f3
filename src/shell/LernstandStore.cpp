#include "shell/LernstandStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/FileProblem.h"
#include "shell/LernstandJson.h"

const char* const LernstandDamagedText =
    "Dein gespeicherter Lernstand war beschädigt und wurde beiseitegelegt. Es geht mit einem neuen Lernstand weiter.";
const char* const LernstandNotSavedText = "Der Lernstand kann nicht gespeichert werden: ";
const char* const LernstandSecondCopyText =
    "Velotra ist schon einmal geöffnet. Hier wird dein Lernstand nur gelesen: Was du in diesem Fenster löst, wird "
    "nicht gespeichert.";

namespace {

constexpr const char* FileName = "lernstand.json";
constexpr const char* LockName = "lernstand.lock";
constexpr const char* BackupName = "lernstand.bak";
// Far more than any real Lernstand; a larger file is no Lernstand.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

TLernstandStore::TPlace& StoredDefaultPlace() {
  static TLernstandStore::TPlace Place = TLernstandStore::TPlace::Temporary;
  return Place;
}

}  // namespace

bool WriteLernstandFile(const QString& Path, const TLernstand& Lernstand, QString& Error) {
  QSaveFile File(Path);
  const QByteArray Data = LernstandToJson(Lernstand);
  if (File.open(QIODevice::WriteOnly) && File.write(Data) == Data.size() && File.commit()) return true;
  Error = FileProblem(File);
  return false;
}

void TLernstandStore::SetDefaultPlace(TPlace Place) { StoredDefaultPlace() = Place; }

TLernstandStore::TPlace TLernstandStore::DefaultPlace() { return StoredDefaultPlace(); }

QString TLernstandStore::FolderOf(TPlace Place) {
  const QString Data = qEnvironmentVariable("VELOTRA_DATA");
  if (!Data.isEmpty()) return Data;
  // The folder is named "velotra" whatever the application's name (screen
  // readers announce that one).
  if (Place == TPlace::User)
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("velotra"));
  return {};
}

TLernstandTime TLernstandStore::Now() {
  const QDateTime N = QDateTime::currentDateTime();
  const QDate D = N.date();
  const QTime T = N.time();
  return {D.year(), D.month(), D.day(), T.hour(), T.minute(), T.second()};
}

TLernstandStore::TLernstandStore(TPlace Place) : FPlace(Place), FFolder(FolderOf(Place)) {
  FSaveTimer.setSingleShot(true);
  connect(&FSaveTimer, &QTimer::timeout, this, [this] { Flush(); });
}

TLernstandStore::~TLernstandStore() {
  // A last notice has nobody to read it any more.
  OnNotice = nullptr;
  Flush();
}

QString TLernstandStore::Folder() const { return FTemporary ? FTemporary->path() : FFolder; }

QString TLernstandStore::FilePath() const {
  const QString F = Folder();
  return F.isEmpty() ? QString() : QDir(F).filePath(QString::fromLatin1(FileName));
}

void TLernstandStore::Tell(TNotice Kind, const QString& Text) {
  if (FTold[Kind]) return;
  FTold[Kind] = true;
  FNotices << Text;
}

QStringList TLernstandStore::TakeNotices() {
  QStringList Notices;
  Notices.swap(FNotices);
  return Notices;
}

bool TLernstandStore::EnsureFolder() {
  if (!Folder().isEmpty()) return QDir().mkpath(Folder()) && QFileInfo(Folder()).isDir();
  // A temporary store gets its folder at its first write.
  FTemporary = std::make_unique<QTemporaryDir>();
  if (FTemporary->isValid()) return true;
  FTemporary.reset();
  return false;
}

void TLernstandStore::Open() {
  if (FFolder.isEmpty()) return;  // temporary: nothing to read, nobody to share with
  if (!EnsureFolder()) {
    FWritable = false;
    Tell(nNotWritable, QString::fromUtf8(LernstandNotSavedText) +
                           QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.").arg(QDir::toNativeSeparators(FFolder)));
    return;
  }
  FLock = std::make_unique<QLockFile>(QDir(FFolder).filePath(QString::fromLatin1(LockName)));
  // Only a lock whose program has ended is stale, however old it is.
  FLock->setStaleLockTime(0);
  if (!FLock->tryLock(0)) {
    FWritable = false;
    if (FLock->error() == QLockFile::LockFailedError)
      Tell(nSecondCopy, QString::fromUtf8(LernstandSecondCopyText));
    else
      Tell(nNotWritable, QString::fromUtf8(LernstandNotSavedText) +
                             QStringLiteral("Im Ordner „%1“ darf nicht geschrieben werden.").arg(QDir::toNativeSeparators(FFolder)));
  }
  ReadFile();
  FEarlierVisits = FLernstand.Visits();
}

void TLernstandStore::ReadFile() {
  QFile File(FilePath());
  if (!File.exists()) return;
  QString Problem;
  if (!File.open(QIODevice::ReadOnly)) {
    Problem = FileProblem(File);
  } else if (File.size() > MaxFileSize) {
    Problem = QStringLiteral("zu groß");
  } else {
    const TLernstandJsonReading Reading = LernstandFromJson(File.readAll());
    if (Reading.Ok) {
      FLernstand = Reading.Lernstand;
      return;
    }
    Problem = Reading.Error;
  }
  File.close();
  // Another copy owns the file: it is left to that one.
  if (!FWritable) return;
  QString Error;
  if (!MoveAside(Error)) {
    FWritable = false;
    Tell(nNotWritable, QString::fromUtf8(LernstandNotSavedText) + Error);
    return;
  }
  Tell(nDamaged, QString::fromUtf8(LernstandDamagedText));
}

bool TLernstandStore::MoveAside(QString& Error) {
  const QString Stem = QStringLiteral("lernstand.beschädigt-") + QDate::currentDate().toString(Qt::ISODate);
  QString Target = QDir(FFolder).filePath(Stem + QStringLiteral(".json"));
  for (int N = 2; QFileInfo::exists(Target); ++N) Target = QDir(FFolder).filePath(Stem + QStringLiteral("-%1.json").arg(N));
  QFile File(FilePath());
  if (File.rename(Target)) return true;
  Error = FileProblem(File);
  return false;
}

void TLernstandStore::Changed() {
  if (!FWritable) return;
  FPending = true;
  if (!FSaveTimer.isActive()) FSaveTimer.start(SaveDelayMs);
}

bool TLernstandStore::Flush() {
  FSaveTimer.stop();
  if (!FPending) return true;
  FPending = false;
  return Write();
}

bool TLernstandStore::Write() {
  if (!FWritable) return false;
  QString Error;
  if (!EnsureFolder()) {
    Error = QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.").arg(QDir::toNativeSeparators(Folder()));
  } else if (WriteLernstandFile(FilePath(), FLernstand, Error)) {
    return true;
  }
  if (!FTold[nNotWritable]) {
    Tell(nNotWritable, QString::fromUtf8(LernstandNotSavedText) + Error);
    if (OnNotice) OnNotice();
  }
  return false;
}

bool TLernstandStore::Reset(QString& Error) {
  if (!FWritable) {
    Error = QStringLiteral("Der Lernstand kann hier nicht geändert werden.");
    return false;
  }
  FSaveTimer.stop();
  FPending = false;
  const QString Path = FilePath();
  if (!Path.isEmpty() && QFileInfo::exists(Path)) {
    const QString Backup = QDir(Folder()).filePath(QString::fromLatin1(BackupName));
    if (QFileInfo::exists(Backup) && !QFile::remove(Backup)) {
      Error = QStringLiteral("Die alte Sicherung „%1“ lässt sich nicht ersetzen.").arg(QDir::toNativeSeparators(Backup));
      return false;
    }
    QFile File(Path);
    if (!File.rename(Backup)) {
      Error = FileProblem(File);
      return false;
    }
  }
  FLernstand = TLernstand();
  FEarlierVisits.clear();
  FPending = true;
  Flush();
  return true;
}
