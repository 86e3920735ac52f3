#include "shell/Pictures.h"

#include <QFile>
#include <QPixmap>
#include <map>
#include <memory>

#include "components/GIFBitmap.h"
#include "platform/Picture.h"

QByteArray PictureFile(const QString& FileName) {
  QFile File(QStringLiteral(":/pictures/") + FileName);
  if (!File.open(QIODevice::ReadOnly)) return {};
  return File.readAll();
}

const TGraphic* SharedPicture(const QString& FileName) {
  // A missing or unreadable picture is remembered as nullptr, so it is not
  // read again on every visit either.
  static std::map<QString, std::unique_ptr<TGraphic>> Decoded;
  auto [It, Inserted] = Decoded.try_emplace(FileName);
  if (Inserted) {
    const QByteArray File = PictureFile(FileName);
    if (!File.isEmpty()) {
      try {
        It->second = TPicture::CreateGraphic(File);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
  return It->second.get();
}

QIcon GlyphIcon(const QString& FileName) {
  const QImage Glyph = DecodeGIFImage(PictureFile(FileName));
  return Glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(Glyph));
}
