#include "components/RRGrid.h"

#include <QVariant>
#include <algorithm>

#include "platform/Bitmap.h"
#include "platform/ComponentRegistry.h"
#include "platform/Picture.h"

TRRGrid::TRRGrid(QWidget* Parent) : TCustomGrid(Parent) {}

TRRGrid::~TRRGrid() = default;

void TRRGrid::SetXCellTextOffset(int Value) {
  FXCellTextOffset = Value;
  update();
}

void TRRGrid::SetYCellTextOffset(int Value) {
  FYCellTextOffset = Value;
  update();
}

void TRRGrid::SetTransparent(bool Value) {
  FTransparent = Value;
  update();
}

void TRRGrid::SetFormBackground(TControl* Value) {
  FFormBackground = Value;
  update();
}

void TRRGrid::SetCells(const QStringList& Value) {
  FCells = Value;
  // While the design is read, sizes and font may still change: the texts
  // are built at the first drawing instead.
  if (IsLoading()) {
    FreeCellTexts();
    FBuilt = false;
  } else {
    BuildCellTexts();
  }
  update();
}

TMiniHTML* TRRGrid::CellText(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FCellTexts.size())) return nullptr;
  return FCellTexts[static_cast<std::size_t>(Index)];
}

void TRRGrid::FreeCellTexts() {
  for (QPointer<TMiniHTML>& Text : FCellTexts) delete Text.data();
  FCellTexts.clear();
}

void TRRGrid::BuildCellTexts() {
  FreeCellTexts();
  FCellTexts.resize(static_cast<std::size_t>(FCells.size()));
  const int Cols = std::max(1, ColCount());
  for (int I = 0; I < FCells.size(); ++I) {
    if (FCells[I].isEmpty()) continue;
    auto* Text = new TMiniHTML(this);
    Text->SetVisible(false);
    Text->SetFont(Font());
    Text->SetLines({FCells[I]});
    Text->SetTransparent(true);
    Text->SetBounds(0, 0, ColWidths(I % Cols), RowHeights(I / Cols));
    FCellTexts[static_cast<std::size_t>(I)] = Text;
  }
  FBuilt = true;
}

void TRRGrid::DrawCell(TCanvas& Canvas, int Col, int Row, const TRect& Rect) {
  if (!FBuilt) BuildCellTexts();
  const int Index = Row * ColCount() + Col;
  const bool Fixed = IsFixed(Col, Row);
  Canvas.Brush().SetColor(Fixed ? FixedColor() : Color());
  // Normal cells reach one pixel left and up over the grid line, so that
  // neighbours share one border line; the first normal row and column do not.
  TRect Frame = Rect;
  if (!Fixed) {
    if (Row != FixedRows()) --Frame.Top;
    if (Col != FixedCols()) --Frame.Left;
  }
  Canvas.Rectangle(Frame);
  if (TMiniHTML* Text = CellText(Index))
    Text->DrawContent(Canvas, true, MERGECOPY,
                      TRect{Rect.Left + FXCellTextOffset, Rect.Top + FYCellTextOffset, Rect.Right - 1, Rect.Bottom - 1});
}

void TRRGrid::DrawFixedFrames(TCanvas& Canvas) {
  const int Line = GridLineWidth();
  auto Frame = [&](int Col, int Row) {
    const TRect Cell = CellRect(Col, Row);
    TRect R{Cell.Left, Cell.Top, Cell.Right + Line, Cell.Bottom + Line};
    Frame3D(Canvas, R, clWhite, clGray, 1);
  };
  for (int Col = 0; Col < std::min(FixedCols(), ColCount()); ++Col)
    for (int Row = 0; Row < RowCount(); ++Row) Frame(Col, Row);
  for (int Row = 0; Row < std::min(FixedRows(), RowCount()); ++Row)
    for (int Col = FixedCols(); Col < ColCount(); ++Col) Frame(Col, Row);
}

void TRRGrid::CombineBackground(TCanvas& Canvas) {
  if (!FTransparent) return;
  const TBitmap* Picture = nullptr;
  if (FFormBackground)
    if (auto* Holder = qobject_cast<TPicture*>(FFormBackground->property("Picture").value<QObject*>()))
      Picture = dynamic_cast<const TBitmap*>(Holder->Graphic());
  if (!OnFillBackground && !Picture) return;

  int X0 = 3, Y0 = 3;
  for (int Col = 0; Col < std::min(FixedCols(), ColCount()); ++Col) X0 += ColWidths(Col);
  for (int Row = 0; Row < std::min(FixedRows(), RowCount()); ++Row) Y0 += RowHeights(Row);
  if (OnFillBackground) {
    OnFillBackground(this, &Canvas, Left() + X0, Top() + Y0, Width() - X0, Height() - Y0, X0, Y0, SRCAND);
    return;
  }
  // Only the part of the request that lies on the picture is combined: the
  // rest of the grid keeps its own pixels.
  const TRect Wanted{Left() - (FFormBackground->Left() - 3) + 2, Top() - (FFormBackground->Top() - 3) + 2, 0, 0};
  TRect Source{Wanted.Left, Wanted.Top, Wanted.Left + Width() - 3, Wanted.Top + Height() - 3};
  Source.Left = std::max(Source.Left, 0);
  Source.Top = std::max(Source.Top, 0);
  Source.Right = std::min(Source.Right, Picture->Width());
  Source.Bottom = std::min(Source.Bottom, Picture->Height());
  if (Source.Width() <= 0 || Source.Height() <= 0) return;
  const int DX = 3 + (Source.Left - Wanted.Left);
  const int DY = 3 + (Source.Top - Wanted.Top);
  Canvas.DrawImage(TRect{DX, DY, DX + Source.Width(), DY + Source.Height()}, Picture->Image(), Source, SRCAND);
}

void TRRGrid::AfterPaint(TCanvas& Canvas) {
  DrawFixedFrames(Canvas);
  CombineBackground(Canvas);
}

void RegisterRRGridClasses() {
  TComponentRegistry& R = TComponentRegistry::Instance();
  R.RegisterClass<TRRGrid>();
  R.RegisterEvent("OnFillBackground", &TRRGrid::OnFillBackground);
  R.RegisterEnum<TBorderStyle>({{"bsNone", bsNone}, {"bsSingle", bsSingle}});
  R.RegisterEnum<TScrollStyle>({{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}});
}
