#pragma once
// GIF pictures in the platform's picture type: TPicture reads GIF data
// (page designs, picture files) into a TGIFGraphic once RegisterGIFGraphic
// has run, and bitmaps can be saved as GIF files.
#include <QByteArray>
#include <QImage>

#include "platform/Bitmap.h"
#include "platform/Picture.h"

class TGIFGraphic : public TGraphic {
 public:
  TGIFGraphic() = default;

  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  // The first frame, transparent parts left out.
  void Draw(TCanvas& Canvas, const TRect& R) const override;
  // Throws EInvalidGraphic (keeping the old picture) when Data hold no
  // readable frame; a damaged file shows the frames read before the damage.
  void LoadFromMemory(const QByteArray& Data) override;
  // The file contents exactly as loaded.
  QByteArray SaveToMemory() const override { return FData; }
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGIFGraphic>(*this); }
  QImage ToImage() const override { return FImage; }

 private:
  QByteArray FData;
  QImage FImage;  // the first frame composed, premultiplied ARGB32
};

// Adds the "GIF" format to TPicture's registry (idempotent).
void RegisterGIFGraphic();

// Writes Bitmap as a one-frame GIF file; see SaveBitmapAsGIF for QImages.
bool SaveBitmapAsGIF(const QString& FileName, const TBitmap& Bitmap, bool Interlaced = false,
                     TColor TransparentColor = 0, bool Transparent = false);
