#include "components/GIFBitmap.h"

#include <QSaveFile>
#include <cstring>
#include <utility>
#include <vector>

#include "components/GIFComposer.h"
#include "components/GIFDecoder.h"
#include "components/GIFWriter.h"

TGIFPixels PixelsFromImage(const QImage& Image) {
  if (Image.isNull()) return {};
  const QImage Rgb = Image.convertToFormat(QImage::Format_RGB32);
  TGIFPixels P(Rgb.width(), Rgb.height());
  for (int Y = 0; Y < Rgb.height(); ++Y) {
    std::memcpy(P.Row(Y), Rgb.constScanLine(Y), static_cast<std::size_t>(Rgb.width()) * 4);
  }
  return P;
}

QImage ImageFromPixels(const TGIFPixels& Pixels) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return {};
  const QImage View(reinterpret_cast<const uchar*>(Pixels.Pixels.data()), Pixels.Width, Pixels.Height,
                    static_cast<qsizetype>(Pixels.Width) * 4, QImage::Format_ARGB32_Premultiplied);
  return View.copy();
}

QImage ImageFromPixels(TGIFPixels&& Pixels) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) return {};
  auto* Owned = new std::vector<std::uint32_t>(std::move(Pixels.Pixels));
  const int Width = std::exchange(Pixels.Width, 0);
  const int Height = std::exchange(Pixels.Height, 0);
  return QImage(
      reinterpret_cast<uchar*>(Owned->data()), Width, Height, static_cast<qsizetype>(Width) * 4,
      QImage::Format_ARGB32_Premultiplied, [](void* Data) { delete static_cast<std::vector<std::uint32_t>*>(Data); },
      Owned);
}

bool SaveBitmapAsGIF(const QString& FileName, const QImage& Bitmap, bool Interlaced, TColor TransparentColor,
                     bool Transparent) {
  std::vector<std::uint8_t> Data;
  if (!EncodeBitmapAsGIF(PixelsFromImage(Bitmap), Interlaced, TransparentColor, Transparent, Data)) return false;
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly)) return false;
  if (File.write(reinterpret_cast<const char*>(Data.data()), static_cast<qint64>(Data.size())) !=
      static_cast<qint64>(Data.size())) {
    File.cancelWriting();
    return false;
  }
  return File.commit();
}

QImage DecodeGIFImage(const QByteArray& Data) {
  TGIFDecodeOptions Options;
  Options.FirstImageOnly = true;
  const TGIFPicture Picture =
      DecodeGIF(reinterpret_cast<const std::uint8_t*>(Data.constData()), static_cast<std::size_t>(Data.size()), Options);
  if (Picture.Frames.empty()) return {};
  TGIFComposer Composer;
  Composer.Reset(Picture);
  Composer.ShowFrame(Picture, 0);
  return ImageFromPixels(Composer.TakePicture());
}
