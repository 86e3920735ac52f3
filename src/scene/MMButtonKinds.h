#pragma once
// The preset kinds of the scene button and the German captions they give it,
// and where the button puts its glyph and caption. Pure C++.
#include <cstdint>

#include "common/Types.h"

enum TMMButtonKind : std::uint8_t {
  mmFree,
  mmStart,
  mmReset,
  mmStop,
  mmForce,
  mmFixed,
  mmCheck,
  mmExamine,
  mmLock,
  mmAnimate,
  mmUnlock,
  mmHint,
  mmStep,
  mmNew,
};

// The caption a preset kind gives its button ("&Auswerten" for mmCheck);
// nullptr for mmFree, which keeps the caption, and for unknown values.
const char* MMButtonKindCaption(TMMButtonKind Kind);

// The size a preset kind gives its button.
constexpr int MMButtonKindWidth = 160;
constexpr int MMButtonKindHeight = 30;

// Where a button of Width x Height draws a glyph of GlyphW x GlyphH and a
// caption of TextW x TextH (zero sizes for what it does not have): glyph and
// caption are centred together; the glyph sits 4 pixels left of its share
// and 2 pixels low, the caption is drawn from the top left of TextRect.
struct TButtonContentLayout {
  TPoint GlyphPos;
  TRect TextRect;
};
TButtonContentLayout LayoutButtonContent(int Width, int Height, int GlyphW, int GlyphH, int TextW, int TextH);
