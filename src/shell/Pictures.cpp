#include "shell/Pictures.h"

#include <QFile>
#include <QPixmap>

#include "components/GIFBitmap.h"

QByteArray PictureFile(const QString& FileName) {
  QFile File(QStringLiteral(":/pictures/") + FileName);
  if (!File.open(QIODevice::ReadOnly)) return {};
  return File.readAll();
}

QIcon GlyphIcon(const QString& FileName) {
  const QImage Glyph = DecodeGIFImage(PictureFile(FileName));
  return Glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(Glyph));
}
