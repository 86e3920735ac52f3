#include "platform/Image.h"

#include <QPainter>

#include "common/CoreCanvas.h"
#include "platform/Canvas.h"

TImage::TImage(QWidget* Parent) : TControl(Parent), FPicture(new TPicture(this)) {
  SetBounds(0, 0, 105, 105);
  connect(FPicture, &TPicture::Changed, this, &TImage::PictureChanged);
}

void TImage::SetPicture(TPicture* Value) {
  if (Value == FPicture) return;
  if (Value)
    FPicture->Assign(*Value);
  else
    FPicture->Clear();
}

void TImage::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PictureChanged();
}

void TImage::SetCenter(bool Value) {
  FCenter = Value;
  update();
}

void TImage::SetProportional(bool Value) {
  FProportional = Value;
  update();
}

void TImage::SetStretch(bool Value) {
  FStretch = Value;
  update();
}

void TImage::SetTransparent(bool Value) {
  FTransparent = Value;
  if (TGraphic* Graphic = FPicture->Graphic()) Graphic->SetTransparent(Value);
  update();
}

void TImage::PictureChanged() {
  if (TGraphic* Graphic = FPicture->Graphic(); Graphic && FTransparent) Graphic->SetTransparent(true);
  if (FAutoSize && !FPicture->Empty()) SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  update();
}

TRect TImage::DestRect() const {
  int W = FPicture->Width();
  int H = FPicture->Height();
  const int CW = Width();
  const int CH = Height();
  if (FStretch || (FProportional && (W > CW || H > CH))) {
    if (FProportional && W > 0 && H > 0) {
      // Scale to fit, keeping the picture's shape.
      if (static_cast<long long>(CW) * H > static_cast<long long>(CH) * W) {
        W = MulDiv(W, CH, H);
        H = CH;
      } else {
        H = MulDiv(H, CW, W);
        W = CW;
      }
    } else {
      W = CW;
      H = CH;
    }
  }
  int X = 0;
  int Y = 0;
  if (FCenter) {
    X = (CW - W) / 2;
    Y = (CH - H) / 2;
  }
  return TRect{X, Y, X + W, Y + H};
}

void TImage::paintEvent(QPaintEvent*) {
  const TGraphic* Graphic = FPicture->Graphic();
  if (!Graphic || Graphic->Empty()) return;
  TCanvas Canvas(this);
  Canvas.StretchDraw(DestRect(), *Graphic);
}
