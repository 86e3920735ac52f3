#pragma once
// Chapter backgrounds: what is painted behind every page of a chapter. The
// course object renders one background at a time into a bitmap of the page's
// size and keeps it while the pupil stays in the chapter.
#include <QImage>
#include <functional>
#include <memory>

class QPainter;
class QWidget;
class TBitmap;
class TCanvas;

// Where a chapter finds the page it paints and the bitmap rendered for it.
class TChapterOwner {
 public:
  virtual ~TChapterOwner() = default;
  virtual QWidget* CurrentPageForm() const = 0;
  virtual const TBitmap* ChapterBitmap() const = 0;
};

class TChapter {
 public:
  explicit TChapter(TChapterOwner& Owner) : FOwner(Owner) {}
  virtual ~TChapter() = default;
  TChapter(const TChapter&) = delete;
  TChapter& operator=(const TChapter&) = delete;

  // Draws the background into Canvas. The plain chapter draws one line from
  // (0, 0) to (600, 600) with the canvas's pen.
  virtual void DrawChapterBackground(TCanvas& Canvas);
  // Copies the rendered bitmap onto the current page at (0, 0), as large as
  // the page; Painter paints on that page.
  virtual void PaintChapterBackground(QPainter& Painter);
  // A bitmap of the current page's size with the background drawn into it.
  virtual std::unique_ptr<TBitmap> CreateChapterBitmap();

 protected:
  TChapterOwner& Owner() const { return FOwner; }

 private:
  TChapterOwner& FOwner;
};

// A chapter whose background is one picture repeated over the page (a
// plain bitmap copy of it: transparent parts become white).
class TBitmapChapter : public TChapter {
 public:
  TBitmapChapter(TChapterOwner& Owner, const QImage& Tile);
  // The picture comes from LoadTile the first time the background is drawn:
  // a chapter the pupil never visits never decodes its picture.
  TBitmapChapter(TChapterOwner& Owner, std::function<QImage()> LoadTile);
  ~TBitmapChapter() override;

  // Tiles the picture from the top-left corner: columns 0 ... width div tile
  // width and rows 0 ... height div tile height. An empty picture draws
  // nothing.
  void DrawChapterBackground(TCanvas& Canvas) override;
  const TBitmap& Tile();

 private:
  std::function<QImage()> FLoadTile;  // until the tile is made
  std::unique_ptr<TBitmap> FTile;
};
