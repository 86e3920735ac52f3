#include "platform/Bitmap.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/Canvas.h"
#include "platform/Convert.h"
#include "platform/Jpeg.h"

namespace {

constexpr long long MaxBitmapPixels = 64LL * 1024 * 1024;
constexpr int Dpm96 = 3780;

QImage::Format QtFormat(TPixelFormat Format) {
  switch (Format) {
    case pf15bit: return QImage::Format_RGB555;
    case pf16bit: return QImage::Format_RGB16;
    case pf24bit: return QImage::Format_BGR888;
    case pfDevice:
    case pf32bit: return QImage::Format_RGB32;
  }
  return QImage::Format_RGB32;
}

// The formats a bitmap keeps as they are; everything else becomes 32-bit.
QImage Paintable(const QImage& Image) {
  switch (Image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_BGR888:
    case QImage::Format_RGB16:
    case QImage::Format_RGB555: return Image;
    default:
      return Image.convertToFormat(Image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
  }
}

void SetResolution96(QImage& Image) {
  Image.setDotsPerMeterX(Dpm96);
  Image.setDotsPerMeterY(Dpm96);
}

}  // namespace

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>(&FImage)) {}

TBitmap::TBitmap(int Width, int Height) : TBitmap() { SetSize(Width, Height); }

TBitmap::TBitmap(const QImage& Image) : TBitmap() { SetImage(Image); }

TBitmap::TBitmap(QImage&& Image) : TBitmap() { SetImage(std::move(Image)); }

TBitmap::TBitmap(const TBitmap& Source) : TBitmap() { Assign(Source); }

TBitmap& TBitmap::operator=(const TBitmap& Source) {
  Assign(Source);
  return *this;
}

TBitmap::~TBitmap() { EndPaint(); }

void TBitmap::EndPaint() const { FCanvas->EndPaint(); }

void TBitmap::SetSize(int Width, int Height) {
  Width = std::max(0, Width);
  Height = std::max(0, Height);
  if (Width == FImage.width() && Height == FImage.height()) return;
  if (static_cast<long long>(Width) * Height > MaxBitmapPixels)
    throw EInvalidGraphic("Die Bitmap ist zu groß.");
  EndPaint();
  if (Width == 0 || Height == 0) {
    const QImage::Format Format = FImage.isNull() ? QImage::Format_RGB32 : FImage.format();
    FImage = QImage(0, 0, Format);
    return;
  }
  QImage Resized(Width, Height, FImage.isNull() ? QImage::Format_RGB32 : FImage.format());
  if (Resized.isNull()) throw EInvalidGraphic("Die Bitmap ist zu groß.");
  Resized.fill(Qt::white);
  if (!FImage.isNull()) {
    const int Rows = std::min(Height, FImage.height());
    const int Bytes = std::min(Width, FImage.width()) * FImage.depth() / 8;
    for (int Y = 0; Y < Rows; ++Y) std::memcpy(Resized.scanLine(Y), FImage.constScanLine(Y), Bytes);
  }
  SetResolution96(Resized);
  FImage = std::move(Resized);
}

TPixelFormat TBitmap::PixelFormat() const {
  switch (FImage.format()) {
    case QImage::Format_RGB555: return pf15bit;
    case QImage::Format_RGB16: return pf16bit;
    case QImage::Format_BGR888: return pf24bit;
    default: return pf32bit;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat Format) {
  const QImage::Format Target = QtFormat(Format);
  if (FImage.format() == Target || (Target == QImage::Format_RGB32 && PixelFormat() == pf32bit)) return;
  EndPaint();
  if (FImage.isNull()) {
    FImage = QImage(0, 0, Target);
    return;
  }
  FImage = FImage.convertToFormat(Target);
  SetResolution96(FImage);
}

std::uint8_t* TBitmap::ScanLine(int Y) {
  if (Y < 0 || Y >= FImage.height()) throw std::out_of_range("Zeilenindex außerhalb des gültigen Bereichs");
  EndPaint();
  return FImage.scanLine(Y);
}

const std::uint8_t* TBitmap::ScanLine(int Y) const {
  if (Y < 0 || Y >= FImage.height()) throw std::out_of_range("Zeilenindex außerhalb des gültigen Bereichs");
  EndPaint();
  return FImage.constScanLine(Y);
}

const QImage& TBitmap::Image() const {
  EndPaint();
  return FImage;
}

void TBitmap::SetImage(const QImage& Image) {
  if (static_cast<long long>(Image.width()) * Image.height() > MaxBitmapPixels)
    throw EInvalidGraphic("Die Bitmap ist zu groß.");
  EndPaint();
  FImage = Paintable(Image).copy();
  SetResolution96(FImage);
}

void TBitmap::SetImage(QImage&& Image) {
  if (static_cast<long long>(Image.width()) * Image.height() > MaxBitmapPixels)
    throw EInvalidGraphic("Die Bitmap ist zu groß.");
  EndPaint();
  QImage Taken = Paintable(Image);
  Image = QImage();
  FImage = Taken.isDetached() ? std::move(Taken) : Taken.copy();
  SetResolution96(FImage);
}

void TBitmap::Assign(const TBitmap& Source) {
  if (&Source == this) return;
  SetImage(Source.Image());
  SetTransparent(Source.Transparent());
  FTransparentColor = Source.FTransparentColor;
  FTransparentMode = Source.FTransparentMode;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (FImage.isNull() || FImage.width() == 0 || FImage.height() == 0) return clDefault;
  EndPaint();
  return QRgbToTColor(FImage.pixel(0, FImage.height() - 1));
}

void TBitmap::SetTransparentColor(TColor Color) {
  FTransparentColor = Color;
  FTransparentMode = Color == clDefault ? tmAuto : tmFixed;
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& R) const {
  if (Empty()) return;
  const QImage& Pixels = Image();
  const TRect Source{0, 0, Pixels.width(), Pixels.height()};
  if (Transparent())
    Canvas.DrawImage(R, Pixels, Source, SRCCOPY, TransparentColor());
  else
    Canvas.DrawImage(R, Pixels, Source, Canvas.CopyMode());
}

void TBitmap::LoadFromMemory(const QByteArray& Data) {
  QImage Loaded;
  if (IsJpegData(Data)) {
    QString Error;
    if (!DecodeJpeg(Data, Loaded, Error))
      throw EInvalidGraphic(QStringLiteral("Das JPEG-Bild ist fehlerhaft (%1).").arg(Error).toStdString());
  } else {
    const char* Format = nullptr;
    if (Data.startsWith("BM"))
      Format = "BMP";
    else if (Data.startsWith("\x89PNG\r\n\x1a\n"))
      Format = "PNG";
    if (!Format) throw EInvalidGraphic("Das Bild hat ein unbekanntes Format.");
    if (!Loaded.loadFromData(Data, Format) || Loaded.isNull())
      throw EInvalidGraphic(QStringLiteral("Das %1-Bild ist fehlerhaft.").arg(QLatin1String(Format)).toStdString());
  }
  SetImage(Loaded);
}

QByteArray TBitmap::SaveToMemory() const {
  QByteArray Bytes;
  if (Empty()) return Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  Image().save(&Buffer, "BMP");
  return Bytes;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }
