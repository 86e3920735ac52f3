#include "components/GIFGraphic.h"

#include "components/GIFBitmap.h"
#include "platform/Canvas.h"

void TGIFGraphic::Draw(TCanvas& Canvas, const TRect& R) const {
  if (Empty()) return;
  Canvas.DrawImage(R, FImage, TRect{0, 0, FImage.width(), FImage.height()}, Canvas.CopyMode());
}

void TGIFGraphic::LoadFromMemory(const QByteArray& Data) {
  QImage Image = DecodeGIFImage(Data);
  if (Image.isNull()) throw EInvalidGraphic("Das GIF-Bild ist fehlerhaft.");
  FData = Data;
  FImage = std::move(Image);
}

void RegisterGIFGraphic() {
  TPicture::RegisterFormat(
      QStringLiteral("GIF"), [](const QByteArray& Data) { return Data.startsWith("GIF"); },
      [] { return std::make_unique<TGIFGraphic>(); });
}

bool SaveBitmapAsGIF(const QString& FileName, const TBitmap& Bitmap, bool Interlaced, TColor TransparentColor,
                     bool Transparent) {
  return SaveBitmapAsGIF(FileName, Bitmap.Image(), Interlaced, TransparentColor, Transparent);
}
