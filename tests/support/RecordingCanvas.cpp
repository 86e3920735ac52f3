#include "support/RecordingCanvas.h"

int TRecordingCanvas::CharHeight(const TFontSpec& Font) {
  if (Font.Height == 0) return 16;
  return Font.Height < 0 ? -Font.Height : Font.Height;
}

int TRecordingCanvas::CharWidth(const TFontSpec& Font) {
  const int W = CharHeight(Font) / 2;
  return W < 1 ? 1 : W;
}

TSize TRecordingCanvas::TextExtent(const std::string& Text) {
  return {static_cast<int>(Text.size()) * CharWidth(Font), CharHeight(Font)};
}

void TRecordingCanvas::TextOut(int X, int Y, const std::string& Text) { Texts.push_back({X, Y, Text, Font}); }

void TRecordingCanvas::MoveTo(int X, int Y) {
  PenPos = {X, Y};
  Lines.push_back("MoveTo " + std::to_string(X) + "," + std::to_string(Y));
}

void TRecordingCanvas::LineTo(int X, int Y) {
  PenPos = {X, Y};
  Lines.push_back("LineTo " + std::to_string(X) + "," + std::to_string(Y));
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& Points) {
  std::string S = "Polyline";
  for (const TPoint& P : Points) S += " " + std::to_string(P.X) + "," + std::to_string(P.Y);
  Lines.push_back(S);
}

const TRecordingCanvas::TTextOut* TRecordingCanvas::Find(const std::string& Text) const {
  for (const TTextOut& T : Texts)
    if (T.Text == Text) return &T;
  return nullptr;
}

std::string TRecordingCanvas::Joined() const {
  std::string S;
  for (const TTextOut& T : Texts) {
    if (!S.empty()) S += "|";
    S += T.Text;
  }
  return S;
}
