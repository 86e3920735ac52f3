#include "shell/Chapter.h"

#include <QPainter>
#include <QWidget>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

void TChapter::DrawChapterBackground(TCanvas& Canvas) {
  Canvas.MoveTo(0, 0);
  Canvas.LineTo(600, 600);
}

void TChapter::PaintChapterBackground(QPainter& Painter) {
  const QWidget* Page = Owner().CurrentPageForm();
  const TBitmap* Rendered = Owner().ChapterBitmap();
  if (!Page || !Rendered) return;
  const QRect R(0, 0, Page->width(), Page->height());
  Painter.drawImage(R, Rendered->Image(), R);
}

std::unique_ptr<TBitmap> TChapter::CreateChapterBitmap() {
  const QWidget* Page = Owner().CurrentPageForm();
  auto Bitmap = std::make_unique<TBitmap>(Page ? Page->width() : 0, Page ? Page->height() : 0);
  DrawChapterBackground(Bitmap->Canvas());
  Bitmap->Canvas().EndPaint();
  return Bitmap;
}

namespace {

// Turns a premultiplied picture whose pixels are all either opaque or fully
// transparent (as a GIF's are) into a plain bitmap in its own rows: a
// transparent pixel becomes white. False (Picture untouched) when some pixel
// is partly transparent or the rows are shared.
bool MakeOpaqueInPlace(QImage& Picture) {
  if (Picture.format() != QImage::Format_ARGB32_Premultiplied || !Picture.isDetached()) return false;
  const int Width = Picture.width();
  for (int Y = 0; Y < Picture.height(); ++Y) {
    const auto* Row = reinterpret_cast<const QRgb*>(Picture.constScanLine(Y));
    for (int X = 0; X < Width; ++X) {
      const int Alpha = qAlpha(Row[X]);
      if (Alpha != 0 && Alpha != 255) return false;
    }
  }
  for (int Y = 0; Y < Picture.height(); ++Y) {
    auto* Row = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
    for (int X = 0; X < Width; ++X)
      if (qAlpha(Row[X]) == 0) Row[X] = 0xFFFFFFFFu;
  }
  return Picture.reinterpretAsFormat(QImage::Format_RGB32);
}

// The picture as a plain bitmap: what it leaves transparent is white.
QImage OpaqueTile(QImage Picture) {
  if (Picture.isNull() || !Picture.hasAlphaChannel()) return Picture;
  if (MakeOpaqueInPlace(Picture)) return Picture;
  QImage Tile(Picture.size(), QImage::Format_RGB32);
  Tile.fill(Qt::white);
  QPainter(&Tile).drawImage(0, 0, Picture);
  return Tile;
}

}  // namespace

TBitmapChapter::TBitmapChapter(TChapterOwner& Owner, const QImage& Tile)
    : TChapter(Owner), FTile(std::make_unique<TBitmap>(OpaqueTile(Tile))) {}

TBitmapChapter::TBitmapChapter(TChapterOwner& Owner, std::function<QImage()> LoadTile)
    : TChapter(Owner), FLoadTile(std::move(LoadTile)) {}

TBitmapChapter::~TBitmapChapter() = default;

const TBitmap& TBitmapChapter::Tile() {
  if (!FTile) {
    // The loaded picture is made opaque in its own rows and handed to the
    // bitmap without a copy.
    FTile = std::make_unique<TBitmap>(OpaqueTile(FLoadTile ? FLoadTile() : QImage()));
    FLoadTile = nullptr;
  }
  return *FTile;
}

void TBitmapChapter::DrawChapterBackground(TCanvas& Canvas) {
  const TBitmap& Picture = Tile();
  const int TileW = Picture.Width();
  const int TileH = Picture.Height();
  const QWidget* Page = Owner().CurrentPageForm();
  if (TileW <= 0 || TileH <= 0 || !Page) return;
  const int Columns = Page->width() / TileW;
  const int Rows = Page->height() / TileH;
  for (int I = 0; I <= Columns; ++I)
    for (int J = 0; J <= Rows; ++J) Canvas.Draw(I * TileW, J * TileH, Picture);
}
