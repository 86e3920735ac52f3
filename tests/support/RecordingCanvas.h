#pragma once
// A core canvas with fixed character metrics that records what is drawn, so
// layout rules can be checked to the pixel without a font engine.
//
// Metrics: a text is CharHeight() pixels high and CharWidth() pixels per
// byte wide, where CharHeight is the absolute font height (16 for height 0)
// and CharWidth half of it (at least 1). Style and name do not matter.
#include <string>
#include <vector>

#include "common/CoreCanvas.h"

class TRecordingCanvas : public TCoreCanvas {
 public:
  struct TTextOut {
    int X = 0;
    int Y = 0;
    std::string Text;
    TFontSpec Font;
  };

  static int CharHeight(const TFontSpec& Font);
  static int CharWidth(const TFontSpec& Font);

  TFontSpec GetFont() const override { return Font; }
  void SetFont(const TFontSpec& Value) override { Font = Value; }
  TSize TextExtent(const std::string& Text) override;
  void TextOut(int X, int Y, const std::string& Text) override;
  TColor PenColor() const override { return Pen; }
  void SetPenColor(TColor Color) override { Pen = Color; }
  void MoveTo(int X, int Y) override;
  void LineTo(int X, int Y) override;
  void Polyline(const std::vector<TPoint>& Points) override;

  // The first text drawn that equals Text, or nullptr.
  const TTextOut* Find(const std::string& Text) const;
  // All drawn texts joined by "|", in drawing order.
  std::string Joined() const;

  TFontSpec Font;
  TColor Pen = clBlack;
  TPoint PenPos;
  std::vector<TTextOut> Texts;
  // Every line call in order: "MoveTo x,y", "LineTo x,y", "Polyline x,y x,y ...".
  std::vector<std::string> Lines;
};
