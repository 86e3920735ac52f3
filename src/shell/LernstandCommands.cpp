#include "shell/LernstandCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/FileProblem.h"
#include "shell/LernstandJson.h"
#include "shell/LernstandStore.h"
#include "shell/LernstandText.h"
#include "shell/PageTable.h"
#include "shell/TableOfContents.h"

namespace {

// Far more than any Lernstand file or export.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

TLernstandJsonReading ReadLernstandFile(const QString& Path) {
  TLernstandJsonReading R;
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) {
    R.Error = FileProblem(File);
    return R;
  }
  if (File.size() > MaxFileSize) {
    R.Error = QStringLiteral("zu groß für einen Lernstand");
    return R;
  }
  return ReadAnyLernstand(File.readAll());
}

}  // namespace

int PrintProgress(const QString& File, QTextStream& Out, QTextStream& Err) {
  QString Path = File;
  if (Path.isEmpty()) {
    const QString Folder = TLernstandStore::FolderOf(TLernstandStore::TPlace::User);
    Path = QDir(Folder).filePath(QStringLiteral("lernstand.json"));
  }
  TLernstand Lernstand;
  // The pupil's own file may not exist yet: nothing solved so far.
  if (!File.isEmpty() || QFileInfo::exists(Path)) {
    const TLernstandJsonReading R = ReadLernstandFile(Path);
    if (!R.Ok) {
      Err << QStringLiteral("velotra: %1: %2").arg(QDir::toNativeSeparators(Path), R.Error) << Qt::endl;
      return 1;
    }
    Lernstand = R.Lernstand;
  }
  Out << QString::fromStdString(ProgressReport(Lernstand, ShippedTableOfContents(), ShippedPageTable()));
  Out.flush();
  return 0;
}

int PrintClass(const QString& Folder, QTextStream& Out, QTextStream& Err, bool WithBom) {
  const QDir Dir(Folder);
  if (Folder.isEmpty() || !Dir.exists()) {
    Err << QStringLiteral("velotra: Den Ordner „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(Folder)) << Qt::endl;
    return 1;
  }
  std::vector<TClassMember> Pupils;
  const QFileInfoList Files = Dir.entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.json")},
                                                QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& Info : Files) {
    const TLernstandJsonReading R = ReadLernstandFile(Info.filePath());
    if (!R.Ok) {
      Err << QStringLiteral("velotra: %1: %2 – übersprungen").arg(QDir::toNativeSeparators(Info.filePath()), R.Error)
          << Qt::endl;
      continue;
    }
    const std::string Name = R.Lernstand.Pupil().empty() ? Info.completeBaseName().toStdString() : R.Lernstand.Pupil();
    Pupils.push_back({Name, R.Lernstand});
  }
  if (WithBom) Out << QString::fromUtf8(Utf8Bom.data(), static_cast<qsizetype>(Utf8Bom.size()));
  Out << QString::fromStdString(ClassTable(Pupils, ShippedTableOfContents(), ShippedPageTable()));
  Out.flush();
  return 0;
}
