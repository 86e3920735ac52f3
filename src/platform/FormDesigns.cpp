#include "platform/FormDesigns.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include "platform/FormText.h"

namespace {

QHash<QString, TFormDesign>& Registered() {
  static QHash<QString, TFormDesign> Designs;
  return Designs;
}

}  // namespace

QString FormModuleName(const QString& ClassName) {
  if (ClassName.startsWith(QLatin1String("Tfm")) && ClassName.size() > 3) return ClassName.mid(3);
  if (ClassName.startsWith(QLatin1Char('T')) && ClassName.size() > 1) return ClassName.mid(1);
  return ClassName;
}

QString FormResourcePath(const QString& ClassName) {
  return QStringLiteral(":/forms/%1.frm").arg(FormModuleName(ClassName));
}

std::optional<TFormDesign> FindFormDesign(const QString& ClassName) {
  auto It = Registered().constFind(ClassName);
  if (It != Registered().constEnd()) return *It;
  QString Path = FormResourcePath(ClassName);
  if (!QFile::exists(Path)) return std::nullopt;
  QString Error;
  return ReadFormDesignFile(Path, Error);
}

void RegisterFormDesign(const QString& ClassName, const QByteArray& Text, const QString& FileName) {
  Registered().insert(ClassName, TFormDesign{FileName, Text});
}

void UnregisterFormDesign(const QString& ClassName) { Registered().remove(ClassName); }

QStringList FormDesignResources() {
  QStringList Result;
  QDir Dir(QStringLiteral(":/forms"));
  for (const QString& Name : Dir.entryList({QStringLiteral("*.frm")}, QDir::Files, QDir::Name))
    Result << QStringLiteral(":/forms/") + Name;
  return Result;
}

std::optional<TFormDesign> ReadFormDesignFile(const QString& Path, QString& Error) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) {
    Error = QStringLiteral("cannot be read (%1)").arg(File.errorString());
    return std::nullopt;
  }
  if (File.size() > static_cast<qint64>(TFormTextLimits{}.MaxInput)) {
    Error = QStringLiteral("the design is too large");
    return std::nullopt;
  }
  return TFormDesign{Path, File.readAll()};
}
