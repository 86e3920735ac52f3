#include <gtest/gtest.h>

#include <QImage>

#include "platform/Canvas.h"
#include "terms/TermLabel.h"

namespace {

TFontSpec LabelFont() {
  TFontSpec Font;
  Font.Height = -16;
  return Font;
}

}  // namespace

TEST(TermLabel, ReadsATermAndTheWordsAfterIt) {
  struct TCase {
    const char* Text;
    bool IsTerm;
  };
  for (const TCase& C : std::initializer_list<TCase>{
           {"(a\u2212b)\u00B2", true}, {"a\u00B7b (f\u00E4llt weg)", true}, {"", false}, {"+ 3", false}})
    EXPECT_EQ(TTermLabel(QString::fromUtf8(C.Text)).IsTerm(), C.IsTerm) << C.Text;
}

// Upright where it fits; turned to read upwards only in a room that is too
// narrow for it and taller than wide, and never with words after the term.
TEST(TermLabel, TurnsOnlyWhereTheRoomIsTooNarrowAndTall) {
  QImage Image(200, 200, QImage::Format_RGB32);
  TCanvas Canvas(&Image);
  struct TCase {
    const char* Text;
    TSize Room;
    bool Turned;
  };
  for (const TCase& C : std::initializer_list<TCase>{{"b\u00B7(a\u2212b)", {150, 40}, false},
                                                     {"b\u00B7(a\u2212b)", {40, 150}, true},
                                                     {"a+b", {60, 150}, false},
                                                     {"a\u00B7b (f\u00E4llt weg)", {40, 150}, false}}) {
    TTermLabel Label(QString::fromUtf8(C.Text));
    const TSize Size = Label.Layout(Canvas, LabelFont(), C.Room);
    EXPECT_EQ(Size.cy > Size.cx, C.Turned) << C.Text;
    if (C.Turned) {
      EXPECT_LE(Size.cx, C.Room.cx) << C.Text;
    }
  }
}
