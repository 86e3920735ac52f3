#pragma once
// TRRGrid: the read-only answer and value table of the pages. Every cell
// text is page markup, drawn by an invisible TMiniHTML per cell; fixed cells
// get a raised frame; and the grid can pretend to be transparent by ANDing
// the picture behind it into its cells (white cells take on the picture,
// dark text and lines stay dark).
//
// Cells holds one entry per cell, row by row: entry i is column
// i mod ColCount of row i div ColCount.
#include <QPointer>
#include <QStringList>
#include <vector>

#include "components/MyHtml.h"
#include "components/RRGridBase.h"

// Sender, the grid's canvas, where the area lies on the parent (X, Y), its
// size (W, H), where it lies in the grid (OX, OY) and the raster operation
// to combine the background with.
using TFillBackgroundEvent = TEvent<TCanvas*, int, int, int, int, int, int, int>;

class TRRGrid : public TCustomGrid {
  Q_OBJECT
  Q_PROPERTY(int XCellTextOffset READ XCellTextOffset WRITE SetXCellTextOffset)
  Q_PROPERTY(int YCellTextOffset READ YCellTextOffset WRITE SetYCellTextOffset)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(TControl* FormBackground READ FormBackground WRITE SetFormBackground)
  Q_PROPERTY(QStringList Cells READ Cells WRITE SetCells)

 public:
  explicit TRRGrid(QWidget* Parent = nullptr);
  ~TRRGrid() override;

  TFillBackgroundEvent OnFillBackground;

  int XCellTextOffset() const { return FXCellTextOffset; }
  void SetXCellTextOffset(int Value);
  int YCellTextOffset() const { return FYCellTextOffset; }
  void SetYCellTextOffset(int Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // A control with a published Picture (the page's background picture).
  TControl* FormBackground() const { return FFormBackground; }
  void SetFormBackground(TControl* Value);

  const QStringList& Cells() const { return FCells; }
  // Replaces the entries, rebuilds the cell texts and repaints.
  void SetCells(const QStringList& Value);
  // The text control of entry Index (none for an empty entry or before the
  // texts are built).
  TMiniHTML* CellText(int Index) const;

 protected:
  void DrawCell(TCanvas& Canvas, int Col, int Row, const TRect& Rect) override;
  void AfterPaint(TCanvas& Canvas) override;

 private:
  void BuildCellTexts();
  void FreeCellTexts();
  void DrawFixedFrames(TCanvas& Canvas);
  void CombineBackground(TCanvas& Canvas);

  int FXCellTextOffset = 4;
  int FYCellTextOffset = 2;
  bool FBuilt = false;
  bool FTransparent = true;
  QPointer<TControl> FFormBackground;
  QStringList FCells;
  std::vector<QPointer<TMiniHTML>> FCellTexts;  // children of the grid
};

// Makes TRRGrid and its values known to the form reader.
void RegisterRRGridClasses();
