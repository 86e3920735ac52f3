#include "scene/MMButtonKinds.h"

#include <algorithm>

const char* MMButtonKindCaption(TMMButtonKind Kind) {
  switch (Kind) {
    case mmFree: return nullptr;
    case mmStart: return "&Start";
    case mmReset: return "&Zurücksetzen";
    case mmStop: return "&Stop";
    case mmForce: return "&Kraft";
    case mmFixed: return "&Befestigung";
    case mmCheck: return "&Auswerten";
    case mmExamine: return "&untersuchen";
    case mmLock: return "&befestigen";
    case mmAnimate: return "&Animation";
    case mmUnlock: return "&loslassen";
    case mmHint: return "&Hinweis";
    case mmStep: return "&Weiter";
    case mmNew: return "&Neu";
  }
  return nullptr;
}

TButtonContentLayout LayoutButtonContent(int Width, int Height, int GlyphW, int GlyphH, int TextW, int TextH) {
  TButtonContentLayout L;
  const int Left = (Width - (GlyphW + TextW)) / 2;
  L.GlyphPos = Point(Left - 4, (Height - GlyphH) / 2 + 2);
  L.TextRect = Rect(Left + GlyphW, std::max(0, (Height - TextH) / 2), Width - 6, Height);
  return L;
}
