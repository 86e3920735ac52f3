#pragma once
// TBitmap: an off-screen picture in memory with a canvas to draw on and
// direct access to its pixel rows (row 0 is the top row). A pixel of a
// 24-bit row is blue, green, red; a 32-bit one adds a fourth byte (255).
#include <QImage>
#include <cstdint>
#include <memory>

#include "common/Colors.h"
#include "platform/Picture.h"

class TCanvas;

enum TPixelFormat { pfDevice, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int Width, int Height);
  explicit TBitmap(const QImage& Image);
  explicit TBitmap(QImage&& Image);
  TBitmap(const TBitmap& Source);
  TBitmap& operator=(const TBitmap& Source);
  ~TBitmap() override;

  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  // Resizing keeps the pixels that stay inside and paints new ones white.
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  void SetSize(int Width, int Height);

  // pfDevice is 32 bits per pixel. Changing the format converts the pixels.
  TPixelFormat PixelFormat() const;
  void SetPixelFormat(TPixelFormat Format);

  TCanvas& Canvas() { return *FCanvas; }
  // Row Y of the pixels; throws std::out_of_range outside 0 .. Height-1.
  std::uint8_t* ScanLine(int Y);
  const std::uint8_t* ScanLine(int Y) const;
  int BytesPerLine() const { return static_cast<int>(FImage.bytesPerLine()); }

  const QImage& Image() const;
  // Keeps a copy of Image's pixels.
  void SetImage(const QImage& Image);
  // Takes Image over: no copy when no other QImage shares its pixels and it
  // is already in a paintable format. Image's pixels must live as long as
  // the image (any image Qt allocated or made with a cleanup function).
  void SetImage(QImage&& Image);
  void Assign(const TBitmap& Source);

  // The colour left out when Transparent: with tmAuto the bottom-left
  // pixel, with tmFixed the colour set. Setting a colour makes it fixed.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Mode) { FTransparentMode = Mode; }

  void Draw(TCanvas& Canvas, const TRect& R) const override;
  // Reads BMP, PNG or JPEG data.
  void LoadFromMemory(const QByteArray& Data) override;
  // BMP data.
  QByteArray SaveToMemory() const override;
  std::unique_ptr<TGraphic> Clone() const override;
  QImage ToImage() const override { return Image(); }

 private:
  void EndPaint() const;

  QImage FImage;
  std::unique_ptr<TCanvas> FCanvas;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};
