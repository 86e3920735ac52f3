// The Lernstand file: JSON both ways, every kind of damaged file, a folder
// that cannot be written, a second copy of the program (a second process
// holding the lock), and a write cut off by a killed process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/LernstandJson.h"
#include "shell/LernstandStore.h"

namespace {

// VELOTRA_DATA for the lifetime of the scope.
class TDataFolder {
 public:
  explicit TDataFolder(const QString& Folder) : FOld(qgetenv("VELOTRA_DATA")) {
    qputenv("VELOTRA_DATA", Folder.toLocal8Bit());
  }
  ~TDataFolder() {
    if (FOld.isEmpty())
      qunsetenv("VELOTRA_DATA");
    else
      qputenv("VELOTRA_DATA", FOld);
  }

 private:
  QByteArray FOld;
};

TLernstand Sample() {
  TLernstand L;
  L.SetPupil("Anna \"Ä\" Beispiel");
  L.SetLastPage(120);
  L.SetProgress(110, {true, {2026, 12, 9, 14, 3, 12}, 5});
  L.SetProgress(120, {false, {}, 2});
  L.SetProgress(4711, {true, {2025, 1, 2, 3, 4, 5}, 1});  // unknown to this course
  L.SetVisits({10, 100, 110, 120, 4711});
  return L;
}

QByteArray ReadAll(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void Write(const QString& Path, const QByteArray& Data) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Data);
}

}  // namespace

TEST(LernstandJson, RoundTripKeepsEverything) {
  const TLernstand L = Sample();
  const TLernstandJsonReading R = LernstandFromJson(LernstandToJson(L));
  ASSERT_TRUE(R.Ok) << R.Error.toStdString();
  EXPECT_EQ(R.Lernstand, L);
  EXPECT_TRUE(LernstandFromJson(LernstandToJson(TLernstand())).Lernstand.Empty());
  // Members this program does not know are no damage; too many visits keep the last ones.
  QByteArray Long = "{\"format\":1,\"later\":[1,2],\"visits\":[";
  for (int I = 0; I < TLernstand::MaxVisits + 3; ++I) Long += QByteArray::number(I + 1) + ",";
  Long.chop(1);
  Long += "]}";
  const TLernstandJsonReading Capped = LernstandFromJson(Long);
  ASSERT_TRUE(Capped.Ok) << Capped.Error.toStdString();
  EXPECT_EQ(Capped.Lernstand.Visits().size(), static_cast<size_t>(TLernstand::MaxVisits));
  EXPECT_EQ(Capped.Lernstand.Visits().front(), 4);
}

TEST(LernstandJson, DamagedFilesAreRefused) {
  const char* const Cases[] = {
      "",                                        // empty
      "{\"format\":1,\"pages\":{\"110\":{\"sol",  // cut off
      "[1,2,3]",                                 // no object
      "{\"pages\":{}}",                          // no format
      "{\"format\":2}",                          // from a newer program
      "{\"format\":0}",
      "{\"format\":\"1\"}",
      "{\"format\":1.5}",
      "{\"format\":1,\"pupil\":7}",
      "{\"format\":1,\"lastPage\":0}",
      "{\"format\":1,\"lastPage\":120.5}",
      "{\"format\":1,\"pages\":[]}",
      "{\"format\":1,\"pages\":{\"abc\":{}}}",
      "{\"format\":1,\"pages\":{\"0110\":{}}}",
      "{\"format\":1,\"pages\":{\"100000\":{}}}",  // no course has such a page
      "{\"format\":1,\"pages\":{\"-3\":{}}}",
      "{\"format\":1,\"pages\":{\"110\":5}}",
      "{\"format\":1,\"pages\":{\"110\":{\"solved\":\"ja\"}}}",
      "{\"format\":1,\"pages\":{\"110\":{\"solved\":true}}}",  // solved, but when?
      "{\"format\":1,\"pages\":{\"110\":{\"solved\":true,\"firstSolved\":\"2026-02-30T10:00:00\"}}}",
      "{\"format\":1,\"pages\":{\"110\":{\"solved\":false,\"firstSolved\":\"2026-02-03T10:00:00\"}}}",
      "{\"format\":1,\"pages\":{\"110\":{\"checks\":-1}}}",
      "{\"format\":1,\"pages\":{\"110\":{\"checks\":1e12}}}",
      "{\"format\":1,\"pages\":{\"110\":{\"checks\":\"5\"}}}",
      "{\"format\":1,\"visits\":{}}",
      "{\"format\":1,\"visits\":[10,\"20\"]}",
      "{\"format\":1,\"visits\":[10,0]}",
  };
  for (const char* Text : Cases) {
    const TLernstandJsonReading R = LernstandFromJson(QByteArray(Text));
    EXPECT_FALSE(R.Ok) << Text;
    EXPECT_FALSE(R.Error.isEmpty()) << Text;
  }
}

TEST(LernstandJson, ExportsAndFilesToldApart) {
  // An editor may have put a byte order mark before the JSON.
  EXPECT_TRUE(ReadAnyLernstand("\xEF\xBB\xBF \n{\"format\":1}").Ok);
  const TLernstandJsonReading Csv = ReadAnyLernstand("\xEF\xBB\xBFName;Ben\r\nKapitel\r\nX;120;T;;4\r\n");
  ASSERT_TRUE(Csv.Ok) << Csv.Error.toStdString();
  EXPECT_EQ(Csv.Lernstand.Pupil(), "Ben");
  EXPECT_EQ(Csv.Lernstand.Progress(120).Checks, 4);
}

TEST(LernstandStore, KeepsTheFileBetweenLessons) {
  QTemporaryDir Dir;
  const TDataFolder Data(Dir.path());
  {
    TLernstandStore Store;
    Store.Open();
    EXPECT_FALSE(Store.ReadOnly());
    EXPECT_EQ(Store.FilePath(), Dir.filePath("lernstand.json"));
    Store.Edit() = Sample();
    Store.Changed();
    // Gathered first: nothing is written while the change is this fresh.
    EXPECT_FALSE(QFile::exists(Store.FilePath()));
    EXPECT_TRUE(Store.Pending());
    QElapsedTimer Waited;
    Waited.start();
    while (Store.Pending() && Waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(Store.Pending());
    EXPECT_TRUE(QFile::exists(Store.FilePath()));
    Store.Edit().AddCheck(120);
    Store.Changed();
  }  // the last change is written when the store goes
  TLernstandStore Next;
  Next.Open();
  EXPECT_TRUE(Next.TakeNotices().isEmpty());
  EXPECT_EQ(Next.Lernstand().Progress(120).Checks, 3);
  EXPECT_EQ(Next.EarlierVisits(), Sample().Visits());
  EXPECT_EQ(Next.Lernstand().Progress(4711), Sample().Progress(4711));

  // A fresh start keeps the old file aside.
  QString Error;
  ASSERT_TRUE(Next.Reset(Error)) << Error.toStdString();
  EXPECT_TRUE(Next.Lernstand().Empty());
  EXPECT_TRUE(Next.EarlierVisits().empty());
  EXPECT_EQ(LernstandFromJson(ReadAll(Dir.filePath("lernstand.bak"))).Lernstand.Progress(120).Checks, 3);
  EXPECT_TRUE(LernstandFromJson(ReadAll(Dir.filePath("lernstand.json"))).Lernstand.Empty());
}

TEST(LernstandStore, WithoutADataFolderNothingOfThePupilsIsTouched) {
  const QByteArray Old = qgetenv("VELOTRA_DATA");
  qunsetenv("VELOTRA_DATA");
  QString Folder;
  {
    TLernstandStore Store(TLernstandStore::TPlace::Temporary);
    Store.Open();
    EXPECT_TRUE(Store.Folder().isEmpty());  // made only when needed
    Store.Edit().AddVisit(10);
    Store.Changed();
    EXPECT_TRUE(Store.Flush());
    Folder = Store.Folder();
    EXPECT_TRUE(QFile::exists(Store.FilePath()));
  }
  EXPECT_FALSE(Folder.isEmpty());
  EXPECT_FALSE(QDir(Folder).exists());  // gone with the store
  if (!Old.isEmpty()) qputenv("VELOTRA_DATA", Old);
}

TEST(LernstandStore, DamagedFileIsMovedAsideAndToldOnce) {
  QTemporaryDir Dir;
  const TDataFolder Data(Dir.path());
  const QByteArray Damaged = "{\"format\":1,\"pages\":{\"110\":{\"solved\":tr";
  Write(Dir.filePath("lernstand.json"), Damaged);
  // One set aside the same day already: the new one gets a name of its own.
  const QString Day = QDate::currentDate().toString(Qt::ISODate);
  Write(Dir.filePath("lernstand.beschädigt-" + Day + ".json"), "älter");
  TLernstandStore Store;
  Store.Open();
  EXPECT_EQ(Store.TakeNotices(), QStringList{QString::fromUtf8(LernstandDamagedText)});
  EXPECT_TRUE(Store.Lernstand().Empty());
  EXPECT_FALSE(QFile::exists(Dir.filePath("lernstand.json")));
  EXPECT_EQ(ReadAll(Dir.filePath("lernstand.beschädigt-" + Day + "-2.json")), Damaged);
  Store.Edit().AddVisit(10);
  Store.Changed();
  EXPECT_TRUE(Store.Flush());
  EXPECT_TRUE(Store.TakeNotices().isEmpty());
  EXPECT_EQ(LernstandFromJson(ReadAll(Dir.filePath("lernstand.json"))).Lernstand.Visits(), std::vector<int>{10});
}

TEST(LernstandStore, AFolderThatCannotBeWrittenIsToldOnce) {
  QTemporaryDir Dir;
  // A file where the folder should be: no folder can be made there.
  Write(Dir.filePath("datei"), "x");
  {
    const TDataFolder Data(Dir.filePath("datei"));
    TLernstandStore Store;
    Store.Open();
    EXPECT_TRUE(Store.ReadOnly());
    const QStringList Notices = Store.TakeNotices();
    ASSERT_EQ(Notices.size(), 1);
    EXPECT_TRUE(Notices[0].startsWith(QString::fromUtf8(LernstandNotSavedText))) << Notices[0].toStdString();
    Store.Edit().AddVisit(10);
    Store.Changed();
    EXPECT_FALSE(Store.Pending());  // a store that cannot write gathers nothing
    EXPECT_TRUE(Store.TakeNotices().isEmpty());
  }
  EXPECT_EQ(ReadAll(Dir.filePath("datei")), "x");

  // The folder goes bad while the course runs: the first failed write is told, no later one.
  const TDataFolder Data(Dir.path());
  TLernstandStore Store;
  Store.Open();
  int Told = 0;
  Store.OnNotice = [&] { ++Told; };
  ASSERT_TRUE(QDir(Dir.path()).mkdir("lernstand.json"));  // the file's place is taken
  for (int I = 0; I < 2; ++I) {
    Store.Edit().AddVisit(10);
    Store.Changed();
    EXPECT_FALSE(Store.Flush());
  }
  EXPECT_EQ(Told, 1);
  EXPECT_EQ(Store.TakeNotices().size(), 1);
  EXPECT_TRUE(QFileInfo(Dir.filePath("lernstand.json")).isDir());
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"datei", "lernstand.lock"}));
  QDir(Dir.path()).rmdir("lernstand.json");
}

TEST(LernstandStore, ASecondCopyOnlyReads) {
  QTemporaryDir Dir;
  const TDataFolder Data(Dir.path());
  Write(Dir.filePath("lernstand.json"), LernstandToJson(Sample()));
  int Ready[2];
  ASSERT_EQ(pipe(Ready), 0);
  const pid_t First = fork();
  ASSERT_GE(First, 0);
  if (First == 0) {
    // The first copy: holds the lock until it is ended.
    QLockFile Lock(Dir.filePath("lernstand.lock"));
    const char Ok = Lock.tryLock(0) ? '1' : '0';
    if (write(Ready[1], &Ok, 1) != 1) _exit(1);
    while (true) pause();
  }
  char Locked = 0;
  ASSERT_EQ(read(Ready[0], &Locked, 1), 1);
  close(Ready[0]);
  close(Ready[1]);
  EXPECT_EQ(Locked, '1');
  {
    TLernstandStore Second;
    Second.Open();
    EXPECT_TRUE(Second.ReadOnly());
    EXPECT_EQ(Second.TakeNotices(), QStringList{QString::fromUtf8(LernstandSecondCopyText)});
    EXPECT_EQ(Second.Lernstand(), Sample());  // it reads the first one's progress
    Second.Edit().MarkSolved(120, TLernstandStore::Now());
    Second.Changed();
    Second.Flush();
    QString Error;
    EXPECT_FALSE(Second.Reset(Error));
  }
  EXPECT_EQ(LernstandFromJson(ReadAll(Dir.filePath("lernstand.json"))).Lernstand, Sample());

  // The first copy ends without cleaning up: its lock is stale and the next copy writes.
  kill(First, SIGKILL);
  waitpid(First, nullptr, 0);
  TLernstandStore Next;
  Next.Open();
  EXPECT_FALSE(Next.ReadOnly());
  EXPECT_TRUE(Next.TakeNotices().isEmpty());
}

TEST(LernstandStore, AWriteCutOffLeavesAWholeFile) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("lernstand.json");
  // Two Lernstände of different length, written in turns as fast as possible.
  TLernstand Small = Sample();
  TLernstand Large = Sample();
  for (int I = 0; I < TLernstand::MaxVisits; ++I) Large.AddVisit(100 + I % 900);
  for (int Page = 1000; Page < 3000; ++Page) Large.SetProgress(Page, {true, {2026, 1, 1, 0, 0, 0}, Page});
  QString Error;
  ASSERT_TRUE(WriteLernstandFile(Path, Small, Error));
  int Ready[2];
  ASSERT_EQ(pipe(Ready), 0);
  const pid_t Writer = fork();
  ASSERT_GE(Writer, 0);
  if (Writer == 0) {
    QString ChildError;
    for (int I = 0;; ++I) {
      if (!WriteLernstandFile(Path, I % 2 ? Small : Large, ChildError)) _exit(1);
      if (I == 20 && write(Ready[1], "w", 1) != 1) _exit(1);
    }
  }
  char Signal = 0;
  ASSERT_EQ(read(Ready[0], &Signal, 1), 1);
  close(Ready[0]);
  close(Ready[1]);
  // Killed somewhere in the middle of a write.
  usleep(3000);
  kill(Writer, SIGKILL);
  int Status = 0;
  waitpid(Writer, &Status, 0);
  EXPECT_TRUE(WIFSIGNALED(Status));
  const TLernstandJsonReading R = LernstandFromJson(ReadAll(Path));
  ASSERT_TRUE(R.Ok) << R.Error.toStdString();
  EXPECT_TRUE(R.Lernstand == Small || R.Lernstand == Large);
}
