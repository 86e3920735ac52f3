#pragma once
// The face terms are set in, whatever the font of the box that shows them
// (its size, weight and colour still count): a serif face as in print, with
// an italic "l" that no one takes for "I" or "1".
#include "common/CoreCanvas.h"

inline constexpr const char* TermFaceName = "DejaVu Serif";

inline TFontSpec TermFont(TFontSpec BoxFont) {
  BoxFont.Name = TermFaceName;
  return BoxFont;
}
