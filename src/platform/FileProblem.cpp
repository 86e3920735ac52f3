#include "platform/FileProblem.h"

#include <QFileDevice>
#include <QDir>
#include <QFileInfo>

namespace {

QString OpenProblem(const QFileDevice& File) {
  const QFileInfo Info(File.fileName());
  // A failed open leaves no open mode behind; a save file is always written.
  const bool Writing = File.inherits("QSaveFile");
  if (!Info.dir().exists()) return QStringLiteral("den Ordner gibt es nicht");
  if (Writing && !QFileInfo(Info.path()).isWritable()) return QStringLiteral("in diesen Ordner darf nicht geschrieben werden");
  if (!Info.exists()) return QStringLiteral("die Datei gibt es nicht");
  if (Info.isDir()) return QStringLiteral("das ist ein Ordner, keine Datei");
  return QStringLiteral("dafür fehlt die Berechtigung");
}

}  // namespace

QString FileProblem(const QFileDevice& File) {
  switch (File.error()) {
    case QFileDevice::NoError: return {};
    case QFileDevice::OpenError: return OpenProblem(File);
    case QFileDevice::ReadError: return QStringLiteral("die Datei lässt sich nicht lesen");
    case QFileDevice::WriteError: return QStringLiteral("die Datei lässt sich nicht schreiben (ist der Datenträger voll?)");
    case QFileDevice::ResourceError: return QStringLiteral("auf dem Datenträger ist kein Platz mehr");
    case QFileDevice::RenameError: return QStringLiteral("die Datei lässt sich nicht umbenennen");
    case QFileDevice::RemoveError: return QStringLiteral("die Datei lässt sich nicht löschen");
    case QFileDevice::AbortError: return QStringLiteral("das Schreiben wurde abgebrochen");
    default: return QStringLiteral("die Datei lässt sich nicht verwenden");
  }
}
