#include "components/MyHtmlWordView.h"

#include <cmath>

TXRect TWordView::AddWord(TCoreCanvas& Canvas, const std::string& Text, long double Factor, TBoundsList* Bounds) {
  const TSize Extent = Canvas.TextExtent(Text);
  const int W = Extent.cx;
  const int H = Extent.cy;
  TXRect R;
  // The height counts before the fit test, so a word that wraps still makes
  // the line it ends as tall as itself.
  if (H > FLineHeight) FLineHeight = H;
  if (static_cast<long long>(FPenX) + W >= FWidth) CompleteLine(Canvas);
  if (FPenX == 0 && Text == " ") return R;

  TlineInfoEntry Entry;
  Entry.X = FPenX;
  Entry.Y = FPenY + static_cast<int>(std::nearbyint(static_cast<long double>(H) * Factor));
  Entry.Width = W;
  Entry.Height = H;
  Entry.Text = Text;
  Entry.Font = Canvas.GetFont();
  FLine.push_back(std::move(Entry));

  R = {FPenX, FPenY, FPenX + W, FPenY + H};
  if (Bounds) {
    Bounds->push_back(R);
    FLineBounds.push_back({Bounds, Bounds->size() - 1});
  }
  FPenX += W;
  return R;
}

void TWordView::CompleteLine(TCoreCanvas& Canvas) {
  if (!FLine.empty()) {
    const TlineInfoEntry& Last = FLine.back();
    const int Offset = FCentered ? (FWidth - (Last.X + Last.Width)) / 2 : 0;
    const TFontSpec Saved = Canvas.GetFont();
    for (const TlineInfoEntry& Entry : FLine) {
      Canvas.SetFont(Entry.Font);
      Canvas.TextOut(Entry.X + Offset, Entry.Y, Entry.Text);
    }
    Canvas.SetFont(Saved);
    for (const TBoundsRef& Ref : FLineBounds) {
      TXRect& R = (*Ref.List)[Ref.Index];
      R.Left += Offset;
      R.Right += Offset;
    }
    FLine.clear();
    FLineBounds.clear();
  }
  NewLine();
}

void TWordView::NewLine() {
  FPenY += FLineHeight;
  FPenX = 0;
  FLineHeight = 0;
}
