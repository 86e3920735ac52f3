// velotra --progress and --class on files as pupils hand them in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "shell/Lernstand.h"
#include "shell/LernstandCommands.h"
#include "shell/LernstandJson.h"

namespace {

void Write(const QString& Path, const QByteArray& Data) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Data);
}

struct TRun {
  int Status = 0;
  QString Out, Err;
};

template <typename F>
TRun RunCommand(F Command) {
  TRun R;
  QTextStream Out(&R.Out), Err(&R.Err);
  R.Status = Command(Out, Err);
  return R;
}

}  // namespace

TEST(LernstandCommands, ProgressOfAnExportedFile) {
  QTemporaryDir Dir;
  TLernstand L;
  L.SetPupil("Anna");
  L.MarkSolved(110, {2026, 12, 9, 14, 3, 12});
  Write(Dir.filePath("anna.json"), LernstandToJson(L));
  const TRun R = RunCommand([&](QTextStream& O, QTextStream& E) { return PrintProgress(Dir.filePath("anna.json"), O, E); });
  EXPECT_EQ(R.Status, 0);
  EXPECT_TRUE(R.Out.startsWith("Lernstand von Anna\n\nRechenvorschriften: 1 von ")) << R.Out.toStdString();
  EXPECT_TRUE(R.Out.contains("  9.12.2026  Rechenvorschriften / ")) << R.Out.toStdString();
  EXPECT_TRUE(R.Err.isEmpty());
  // A file that is none: named, and the status says so.
  Write(Dir.filePath("kaputt.json"), "{\"format\": ");
  const TRun Bad = RunCommand([&](QTextStream& O, QTextStream& E) { return PrintProgress(Dir.filePath("kaputt.json"), O, E); });
  EXPECT_EQ(Bad.Status, 1);
  EXPECT_TRUE(Bad.Out.isEmpty());
  EXPECT_TRUE(Bad.Err.contains("kaputt.json")) << Bad.Err.toStdString();
  // A file that is not there, said in German.
  const TRun Missing = RunCommand([&](QTextStream& O, QTextStream& E) { return PrintProgress(Dir.filePath("fehlt.json"), O, E); });
  EXPECT_EQ(Missing.Status, 1);
  EXPECT_TRUE(Missing.Err.endsWith("fehlt.json: die Datei gibt es nicht\n")) << Missing.Err.toStdString();
}

TEST(LernstandCommands, ClassTableSkipsWhatItCannotRead) {
  QTemporaryDir Dir;
  TLernstand Anna;
  Anna.SetPupil("Anna");
  Anna.MarkSolved(110, {2026, 12, 9, 14, 3, 12});
  Write(Dir.filePath("a.json"), LernstandToJson(Anna));
  // An export without a name in it is named after its file.
  Write(Dir.filePath("ben.csv"), "Name;\r\nKapitel;Seite;Titel;Gelöst am;Prüfungen\r\n;110;;09.12.2026 08:00;1\r\n");
  Write(Dir.filePath("c.json"), "nichts");
  Write(Dir.filePath("notizen.txt"), "keine Datei für die Tabelle");
  const TRun R = RunCommand([&](QTextStream& O, QTextStream& E) { return PrintClass(Dir.path(), O, E, false); });
  EXPECT_EQ(R.Status, 0);
  const QStringList Lines = R.Out.split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(Lines.size(), 3) << R.Out.toStdString();
  EXPECT_TRUE(Lines[0].startsWith("Name;Rechenvorschriften;"));
  EXPECT_TRUE(Lines[1].startsWith("Anna;1 von "));
  EXPECT_TRUE(Lines[2].startsWith("ben;1 von "));
  EXPECT_TRUE(R.Err.contains("c.json") && R.Err.contains("übersprungen")) << R.Err.toStdString();
  EXPECT_FALSE(R.Err.contains("notizen.txt"));
  const TRun Missing = RunCommand([&](QTextStream& O, QTextStream& E) { return PrintClass(Dir.filePath("fehlt"), O, E, false); });
  EXPECT_EQ(Missing.Status, 1);
  EXPECT_TRUE(Missing.Err.contains("fehlt"));
}
