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

// The picture as a plain bitmap: what it leaves transparent is white.
QImage OpaqueTile(const QImage& Picture) {
  if (Picture.isNull() || !Picture.hasAlphaChannel()) return Picture;
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
