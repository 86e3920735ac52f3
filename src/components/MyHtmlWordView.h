#pragma once
// Hyperlinks of a drawn text and the line builder that places words left to
// right, wraps them at the available width and draws each completed line.
// Pure C++: it draws through TCoreCanvas.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/CoreCanvas.h"

// A rectangle in control pixels whose right and bottom edges belong to it.
struct TXRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool Contains(int X, int Y) const { return Left <= X && X <= Right && Top <= Y && Y <= Bottom; }
  friend bool operator==(const TXRect&, const TXRect&) = default;
};

using TBoundsList = std::vector<TXRect>;

// A link target and the rectangles of its words.
struct THyperLink {
  TBoundsList Bounds;
  std::string URL;
  bool Hit(int X, int Y) const {
    for (const TXRect& R : Bounds)
      if (R.Contains(X, Y)) return true;
    return false;
  }
};

using THyperLinkList = std::vector<std::unique_ptr<THyperLink>>;

// One placed word of the line being built.
struct TlineInfoEntry {
  int X = 0;  // left edge before centring
  int Y = 0;  // top edge it is drawn at (line top plus its lowering)
  int Width = 0;
  int Height = 0;
  std::string Text;
  TFontSpec Font;
};

using TLineInfoList = std::vector<TlineInfoEntry>;

class TWordView {
 public:
  explicit TWordView(int Width) : FWidth(Width) {}

  // Places Text (measured in the canvas font) on the current line, lowered by
  // Factor times its height; completes the line first when the word does not
  // fit, even when it is alone. A blank at the start of a line is dropped,
  // but its height still counts for the line. Returns the word's rectangle,
  // or (0, 0, 0, 0) for a dropped blank. With Bounds the rectangle is also
  // appended there (not for a dropped blank) and follows the centring of its
  // line.
  TXRect AddWord(TCoreCanvas& Canvas, const std::string& Text, long double Factor, TBoundsList* Bounds = nullptr);
  // Draws the pending words, each in its own font, centred as a whole when
  // Centered is set now, and moves to the next line.
  void CompleteLine(TCoreCanvas& Canvas);
  // Moves down by the line height without drawing.
  void NewLine();

  bool Centered() const { return FCentered; }
  void SetCentered(bool Value) { FCentered = Value; }
  int LineHeight() const { return FLineHeight; }
  int PenX() const { return FPenX; }
  int PenY() const { return FPenY; }
  bool HasPending() const { return !FLine.empty(); }

 private:
  // Where a pending word's rectangle was handed out to.
  struct TBoundsRef {
    TBoundsList* List;
    std::size_t Index;
  };

  int FLineHeight = 0;
  int FPenX = 0;
  int FPenY = 0;
  int FWidth;
  TLineInfoList FLine;
  std::vector<TBoundsRef> FLineBounds;
  bool FCentered = false;
};
