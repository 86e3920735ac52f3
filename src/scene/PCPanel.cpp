#include "scene/PCPanel.h"

#include <QPainter>
#include <QResizeEvent>
#include <deque>
#include <tuple>

#include "scene/PCBitmapRows.h"
#include "scene/PCShape.h"

TPCPanel::TPCPanel(QWidget* Parent) : TControl(Parent), FBackground(new TPicture(this)), FPen(new TPen(this)) {
  SetColor(clBtnFace);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the buffer covers everything: no erasing first
  connect(FPen, &TPen::Changed, this, [this] { BackgroundChanged(); });
}

TPCPanel::~TPCPanel() = default;

void TPCPanel::SetBackground(TPicture* Value) {
  if (Value)
    FBackground->Assign(*Value);
  else
    FBackground->Clear();
  BackgroundChanged();
}

void TPCPanel::SetBackgroundMode(TPCBackgroundMode Value) {
  FBackgroundMode = Value;
  BackgroundChanged();
  if (!IsLoading()) RepaintAllShapes();
}

void TPCPanel::SetColor2(TColor Value) {
  FColor2 = Value;
  BackgroundChanged();
}

void TPCPanel::SetPen(TPen* Value) {
  if (Value) FPen->Assign(*Value);  // the pen's change notice renders
}

void TPCPanel::BackgroundChanged() {
  if (IsLoading()) return;  // rendered once when loading ends
  FBackgroundStale = true;
  update();
}

void TPCPanel::Loaded() {
  TControl::Loaded();
  FBackgroundStale = true;
  update();
}

TBitmap& TPCPanel::Buffer() {
  RenderStaleBackground();
  return FBuffer;
}

void TPCPanel::RenderStaleBackground() {
  // A page sets colours, pictures and sizes one after the other while it is
  // made; the background is rendered once, when it is first needed.
  if (!FBackgroundStale && FBuffer.Width() == Width() && FBuffer.Height() == Height() && !FBuffer.Image().isNull())
    return;
  FBackgroundStale = false;
  PaintBackground();
}

void TPCPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  SizeChanged();  // a hidden panel gets its resize event only when shown
}

void TPCPanel::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  SizeChanged();
}

void TPCPanel::SizeChanged() {
  if (IsLoading()) return;
  if (!FBackgroundStale && FBuffer.Width() == Width() && FBuffer.Height() == Height() && !FBuffer.Image().isNull())
    return;
  FBackgroundStale = true;
  update();
  // The shapes show the old background until they are blended anew.
  RepaintAllShapes();
}

// ------------------------------------------------------------- background

namespace {

// Stretching a page-sized picture costs more than everything else of a page
// switch, and every visit of a chapter's first page stretches the same
// picture to the same size again. The rendered backgrounds of the last few
// (picture, size, fill) combinations are kept; a hit is a shared copy of the
// pixels, which the first drawing into the buffer copies for itself.
struct TStretchKey {
  qint64 Picture;  // the picture's pixels, as QImage::cacheKey tells them apart
  int Width, Height;
  TColor Color;
  TColor PenColor;
  int PenStyle, PenWidth, PenMode;
  bool Transparent;
  int CopyMode;
  friend bool operator==(const TStretchKey&, const TStretchKey&) = default;
};

class TStretchCache {
 public:
  static constexpr std::size_t Capacity = 8;
  const QImage* Find(const TStretchKey& Key) const {
    for (const auto& [K, Image] : FEntries)
      if (K == Key) return &Image;
    return nullptr;
  }
  void Add(const TStretchKey& Key, const QImage& Image) {
    if (FEntries.size() == Capacity) FEntries.pop_front();
    FEntries.emplace_back(Key, Image);
  }

 private:
  std::deque<std::pair<TStretchKey, QImage>> FEntries;
};

TStretchCache& StretchCache() {
  static TStretchCache Cache;
  return Cache;
}

}  // namespace

void TPCPanel::PaintPlain() {
  TCanvas& C = FBuffer.Canvas();
  C.SetPen(*FPen);
  C.Brush().SetColor(Color());
  C.Rectangle(0, 0, FBuffer.Width(), FBuffer.Height());
}

void TPCPanel::PaintPicture() {
  TGraphic* Picture = FBackground->Graphic();
  // A picture without pixels (also one of zero width or height) leaves the
  // plain fill alone.
  if (!Picture || Picture->Empty()) return;
  if (FBackgroundMode == bmStretchImage) {
    FBuffer.Canvas().StretchDraw(Rect(0, 0, FBuffer.Width(), FBuffer.Height()), *Picture);
    return;
  }
  const int W = Picture->Width();
  const int H = Picture->Height();
  TBitmap Tile(W, H);
  Tile.SetPixelFormat(pf32bit);
  Tile.Canvas().Draw(0, 0, *Picture);
  if (FBackgroundMode == bmSymmFillImage) {
    TBitmap Mirrored(2 * W, 2 * H);
    BuildMirroredTile(PixelRowsOf(Tile), PixelRowsOf(Mirrored));
    FillTiled(PixelRowsOf(FBuffer), PixelRowsOf(Mirrored));
  } else {
    FillTiled(PixelRowsOf(FBuffer), PixelRowsOf(Tile));
  }
}

void TPCPanel::PaintStretched() {
  TGraphic* Picture = FBackground->Graphic();
  if (!Picture || Picture->Empty()) {
    PaintPlain();
    return;
  }
  const TStretchKey Key{Picture->ToImage().cacheKey(),
                        FBuffer.Width(),
                        FBuffer.Height(),
                        Color(),
                        FPen->Color(),
                        static_cast<int>(FPen->Style()),
                        FPen->Width(),
                        static_cast<int>(FPen->Mode()),
                        Picture->Transparent(),
                        static_cast<int>(FBuffer.Canvas().CopyMode())};
  if (const QImage* Rendered = StretchCache().Find(Key)) {
    FBuffer.SetImage(*Rendered);
    return;
  }
  PaintPlain();
  PaintPicture();
  StretchCache().Add(Key, FBuffer.Image());
}

void TPCPanel::PaintBackground() {
  FBuffer.SetPixelFormat(pf32bit);
  FBuffer.SetSize(Width(), Height());
  switch (FBackgroundMode) {
    case bmVFloat:
      FillGradient(PixelRowsOf(FBuffer), Color(), FColor2, Height() / 50, true);
      break;
    case bmHFloat:
      FillGradient(PixelRowsOf(FBuffer), Color(), FColor2, Width() / 50, false);
      break;
    case bmStretchImage:
      PaintStretched();
      break;
    case bmFillImage:
    case bmSymmFillImage:
      PaintPlain();
      PaintPicture();
      break;
    case bmMonochrom:
    default:
      PaintPlain();
      break;
  }
  if (OnBackgroundPaint) OnBackgroundPaint(this, &FBuffer.Canvas());
}

// ----------------------------------------------------------------- painting

void TPCPanel::paintEvent(QPaintEvent*) {
  RenderStaleBackground();
  if (OnPaint) {
    TBitmap Copy(FBuffer);
    OnPaint(this, &Copy.Canvas());
    QPainter(this).drawImage(QRect(0, 0, Width(), Height()), Copy.Image());
  } else {
    QPainter(this).drawImage(0, 0, FBuffer.Image());
  }
}

void TPCPanel::InvalidateArea(const QRect& Area, bool Erase) {
  (void)Erase;  // the buffer covers the area: there is nothing to erase first
  update(Area);
}

// ------------------------------------------------------------------ shapes

QList<TPCShape*> TPCPanel::Shapes() const {
  QList<TPCShape*> List;
  for (QObject* Child : children())  // children are kept in stacking order
    if (auto* Shape = qobject_cast<TPCShape*>(Child)) List.append(Shape);
  return List;
}

void TPCPanel::RepaintShapesAbove(TPCShape* Shape, const QRect& Area) {
  bool Passed = false;
  for (TPCShape* Other : Shapes()) {
    if (Other == Shape) {
      Passed = true;
      continue;
    }
    if (Passed && Other->geometry().intersects(Area)) Other->RenderLater();
  }
}

void TPCPanel::RepaintAllShapes() {
  for (TPCShape* Shape : Shapes()) Shape->RenderLater();
}

std::unique_ptr<TBitmap> TPCPanel::BackgroundPart(const TPCShape* Shape, const QRect& Area) {
  auto Part = std::make_unique<TBitmap>(Area.width(), Area.height());
  Part->SetPixelFormat(pf32bit);
  if (Area.isEmpty()) return Part;
  RenderStaleBackground();
  TCanvas& C = Part->Canvas();
  C.DrawImage(Rect(0, 0, Area.width(), Area.height()), FBuffer.Image(),
              Rect(Area.left(), Area.top(), Area.left() + Area.width(), Area.top() + Area.height()), SRCCOPY);
  for (TPCShape* Below : Shapes()) {
    if (Below == Shape) break;
    // A hidden shape is no part of the background of those above it.
    if (!Below->Visible() || !Below->geometry().intersects(Area)) continue;
    Below->DrawTo(C, Below->Left() - Area.left(), Below->Top() - Area.top());
  }
  return Part;
}
