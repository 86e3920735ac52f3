#include "shell/PageImage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QWidget>
#include <cmath>
#include <vector>

#include "components/ColourReduction.h"
#include "components/GIFWriter.h"

namespace {

[[noreturn]] void Fail(const QString& FileName, const QString& Why) {
  throw EPictureWriteError(
      QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2").arg(FileName, Why).toStdString());
}

QByteArray GifBytes(const QImage& Picture, const QString& FileName) {
  const QImage Rgb = Picture.convertToFormat(QImage::Format_RGB32);
  TGIFPixels Pixels(Rgb.width(), Rgb.height());
  for (int Y = 0; Y < Rgb.height(); ++Y) {
    const auto* Line = reinterpret_cast<const std::uint32_t*>(Rgb.constScanLine(Y));
    std::copy(Line, Line + Rgb.width(), Pixels.Row(Y));
  }
  std::vector<std::uint8_t> Out;
  if (!EncodeBitmapAsGIF(ReduceColours(Pixels), false, 0, false, Out))
    Fail(FileName, QStringLiteral("das Bild lässt sich nicht als GIF schreiben."));
  return QByteArray(reinterpret_cast<const char*>(Out.data()), static_cast<qsizetype>(Out.size()));
}

QByteArray EncodedBytes(const QImage& Picture, const QString& FileName, TPictureKind Kind) {
  if (Kind == TPictureKind::Gif) return GifBytes(Picture, FileName);
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!Picture.save(&Buffer, Kind == TPictureKind::Png ? "PNG" : "BMP"))
    Fail(FileName, QStringLiteral("das Bild lässt sich nicht umwandeln."));
  return Bytes;
}

}  // namespace

std::optional<TPictureKind> PictureKindOf(const QString& FileName) {
  const QString Suffix = QFileInfo(FileName).suffix().toUpper();
  if (Suffix.isEmpty()) return std::nullopt;
  if (Suffix == QLatin1String("GIF")) return TPictureKind::Gif;
  if (Suffix == QLatin1String("PNG")) return TPictureKind::Png;
  return TPictureKind::Bitmap;
}

QImage WidgetAreaPicture(QWidget* Widget, const QRect& Area) {
  QImage Picture = Widget->grab(Area).toImage();
  Picture.setDevicePixelRatio(1);
  if (Picture.size() != Area.size())
    Picture = Picture.scaled(Area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return Picture;
}

QImage WidgetPicture(QWidget* Widget, int Percent) {
  const QImage Full = WidgetAreaPicture(Widget, Widget->rect()).convertToFormat(QImage::Format_RGB32);
  if (Percent == 100) return Full;
  const auto Scaled = [Percent](int Side) {
    return std::max(1, static_cast<int>(std::nearbyint(static_cast<double>(Side) * Percent / 100.0)));
  };
  return Full.scaled(Scaled(Full.width()), Scaled(Full.height()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void WritePicture(const QImage& Picture, const QString& FileName, TPictureKind Kind) {
  const QByteArray Bytes = EncodedBytes(Picture, FileName, Kind);
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly)) Fail(FileName, File.errorString());
  if (File.write(Bytes) != Bytes.size()) {
    const QString Why = File.errorString();
    File.cancelWriting();
    Fail(FileName, Why);
  }
  if (!File.commit()) Fail(FileName, File.errorString());
}
