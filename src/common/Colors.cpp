#include "common/Colors.h"

#include <strings.h>
#include <iterator>

namespace {

// A light, classic desktop palette, indexed by system colour number.
constexpr TColor SystemPalette[] = {
    RGB(0xC8, 0xC8, 0xC8),  // scroll bar
    RGB(0x00, 0x80, 0x80),  // background
    RGB(0x0A, 0x24, 0x6A),  // active caption
    RGB(0x80, 0x80, 0x80),  // inactive caption
    RGB(0xD4, 0xD0, 0xC8),  // menu
    RGB(0xFF, 0xFF, 0xFF),  // window
    RGB(0x00, 0x00, 0x00),  // window frame
    RGB(0x00, 0x00, 0x00),  // menu text
    RGB(0x00, 0x00, 0x00),  // window text
    RGB(0xFF, 0xFF, 0xFF),  // caption text
    RGB(0xD4, 0xD0, 0xC8),  // active border
    RGB(0xD4, 0xD0, 0xC8),  // inactive border
    RGB(0x80, 0x80, 0x80),  // app work space
    RGB(0x0A, 0x24, 0x6A),  // highlight
    RGB(0xFF, 0xFF, 0xFF),  // highlight text
    RGB(0xD4, 0xD0, 0xC8),  // button face
    RGB(0x80, 0x80, 0x80),  // button shadow
    RGB(0x80, 0x80, 0x80),  // grey text
    RGB(0x00, 0x00, 0x00),  // button text
    RGB(0xD4, 0xD0, 0xC8),  // inactive caption text
    RGB(0xFF, 0xFF, 0xFF),  // button highlight
    RGB(0x40, 0x40, 0x40),  // 3-D dark shadow
    RGB(0xD4, 0xD0, 0xC8),  // 3-D light
    RGB(0x00, 0x00, 0x00),  // info text
    RGB(0xFF, 0xFF, 0xE1),  // info background
};

struct NamedColor {
  const char* Name;
  TColor Value;
};

constexpr NamedColor NamedColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clLtGray", clLtGray}, {"clDkGray", clDkGray}, {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue}, {"clCream", clCream}, {"clMedGray", clMedGray},
    {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (Color < 0) {
    const unsigned Index = static_cast<unsigned>(Color) & 0xFFu;
    if (Index < std::size(SystemPalette)) return SystemPalette[Index];
    return clBlack;
  }
  return Color;
}

bool IdentToColor(const char* Name, TColor& Color) {
  for (const auto& C : NamedColors) {
    if (strcasecmp(C.Name, Name) == 0) {
      Color = C.Value;
      return true;
    }
  }
  return false;
}

const char* ColorToIdent(TColor Color) {
  for (const auto& C : NamedColors)
    if (C.Value == Color) return C.Name;
  return "";
}
