#include <gtest/gtest.h>

#include "components/MyHtmlParser.h"
#include "support/RecordingCanvas.h"

// Base font: 10 pixels high, 5 per character (see TRecordingCanvas).
namespace {
TFontSpec BaseFont() {
  TFontSpec F;
  F.Height = -10;
  F.Color = clMaroon;
  return F;
}

struct TDrawing {
  TRecordingCanvas Canvas;
  THyperLinkList Links;

  const TRecordingCanvas::TTextOut& At(const std::string& Text) const {
    const auto* T = Canvas.Find(Text);
    if (!T) throw std::runtime_error("not drawn: " + Text);
    return *T;
  }
};

std::unique_ptr<TDrawing> Draw(const std::string& Text, int Width = 200) {
  auto D = std::make_unique<TDrawing>();
  D->Canvas.Font = BaseFont();
  TFontSpec Link = BaseFont();
  Link.Style = fsUnderline;
  Link.Color = clBlue;
  THTMLParser::THeaderFonts Headers;
  for (int I = 0; I < 6; ++I) {
    Headers[static_cast<std::size_t>(I)].Height = -(24 - 2 * I);
    Headers[static_cast<std::size_t>(I)].Style = fsBold;
    Headers[static_cast<std::size_t>(I)].Color = clNavy;
  }
  Headers[0].Height = 24;  // a cell height, as the control's default has it
  // Something stale in the list that the drawing must drop.
  D->Links.push_back(std::make_unique<THyperLink>());
  const TTokens Tokens = Tokenize(Text);
  THTMLParser Parser(Tokens, D->Links, Link, Headers, Width, D->Canvas);
  Parser.Parse();
  EXPECT_EQ(Parser.State(), psFinished);
  return D;
}
}  // namespace

TEST(HTMLLayout, DrawsTheVisibleWordsOfMarkup) {
  const struct {
    std::string Text;
    std::string Drawn;
  } Cases[] = {
      {"", ""},
      {"\r\n", ""},
      {"So einen Satz", "So| |einen| |Satz"},
      // An unsupported tag loses its name and shows the rest.
      {"<P>Text", ">|Text"},
      {"<P ALIGN=left>x", "ALIGN|=|left|>|x"},
      {"<!- note >Text", "Text"},
      {"<!-- note -->", "note| |--|>"},
      // Stray symbols outside tags are text.
      {"a > b = c / \"", "a| |>| |b| |=| |c| |/| |\""},
      {"</FONT>x", "x"},
      {"</P>x", "x"},
      {"a</ B>b", "a|b"},
      // A text ending inside a tag simply ends; pending words still show.
      {"abc<B", "abc"},
      {"abc<FONT COLOR", "abc"},
      {"abc<A", "abc"},
      {"abc</", "abc"},
  };
  for (const auto& C : Cases) EXPECT_EQ(Draw(C.Text)->Canvas.Joined(), C.Drawn) << C.Text;
}

TEST(HTMLLayout, BreaksAddHeightOnlyForLinesWithWords) {
  // Two breaks in a row: the empty middle line has no height.
  auto D = Draw("a<BR><BR>b");
  EXPECT_EQ(D->At("b").Y - D->At("a").Y, 10);
  // A blank between the breaks gives the middle line its height.
  D = Draw("a<BR> <BR>b");
  EXPECT_EQ(D->At("b").Y - D->At("a").Y, 20);
  // The line ends of the source count as such blanks.
  D = Draw("a<br>\r\n<br>\r\nb");
  EXPECT_EQ(D->At("b").Y, 20);
  EXPECT_EQ(D->At("b").X, 0);  // the blank after the break is dropped
}

TEST(HTMLLayout, StyleTagsChangeTheFontUntilAnyMatchingEndTag) {
  auto D = Draw("So einen Satz nennt man <b>Rechenvorschrift</b>.", 400);
  EXPECT_EQ(D->At("Rechenvorschrift").Font.Style, unsigned(fsBold));
  EXPECT_EQ(D->At(".").Font.Style, 0u);
  EXPECT_EQ(D->At("Rechenvorschrift").X, 24 * 5);

  // End tags do not nest: </B> removes bold whatever opened it.
  D = Draw("<B><I><U>x</B>y</U>z</I>w");
  EXPECT_EQ(D->At("x").Font.Style, unsigned(fsBold | fsItalic | fsUnderline));
  EXPECT_EQ(D->At("y").Font.Style, unsigned(fsItalic | fsUnderline));
  EXPECT_EQ(D->At("z").Font.Style, unsigned(fsItalic));
  EXPECT_EQ(D->At("w").Font.Style, 0u);

  // </A> resets everything to the base font, also a colour and bold.
  D = Draw("<FONT COLOR=FF0000><B>x</A>y");
  EXPECT_EQ(D->At("x").Font.Color, clRed);
  EXPECT_EQ(D->At("y").Font, BaseFont());
}

TEST(HTMLLayout, HeadersUseTheirFontAndEndTheLine) {
  auto D = Draw("<H1>Titel</H1>Text <H3>x</H3>");
  EXPECT_EQ(D->At("Titel").Font.Height, 24);
  EXPECT_EQ(D->At("Titel").Font.Color, clNavy);
  EXPECT_EQ(D->At("Text").Y, 24);
  EXPECT_EQ(D->At("Text").Font, BaseFont());
  // Words of different heights share the line top; the tallest sets the height.
  EXPECT_EQ(D->At("x").Y, 24);
  EXPECT_EQ(D->At("x").Font.Height, -20);
  D = Draw("<H3>x</H3><H6>y</H6>z");
  EXPECT_EQ(D->At("y").Y, 20);
  EXPECT_EQ(D->At("z").Y, 34);
  D = Draw("a<H2>B<B>c</B><BR>d");
  EXPECT_EQ(D->At("a").Y, 0);
  EXPECT_EQ(D->At("B").Y, 0);
  EXPECT_EQ(D->At("c").Font.Height, -22);
  EXPECT_EQ(D->At("d").Y, 22);
}

TEST(HTMLLayout, SubAndSupHalveTheHeightAndSubIsLowered) {
  // (-10 div 2) - 1 = -6: 6 pixels high, lowered by round(0.6 * 6) = 4.
  auto D = Draw("x<SUB>2</SUB>y");
  EXPECT_EQ(D->At("2").Font.Height, -6);
  EXPECT_EQ(D->At("2").Y, 4);
  EXPECT_EQ(D->At("2").X, 5);
  EXPECT_EQ(D->At("y").Font.Height, -10);
  EXPECT_EQ(D->At("y").Y, 0);
  EXPECT_EQ(D->At("y").X, 8);

  D = Draw("x<SUP>2</SUP>y");
  EXPECT_EQ(D->At("2").Font.Height, -6);
  EXPECT_EQ(D->At("2").Y, 0);
  EXPECT_EQ(D->At("y").Font.Height, -10);

  // A positive (cell) height shrinks by the same rule.
  D = Draw("<H1><SUB>q</SUB>r");
  EXPECT_EQ(D->At("q").Font.Height, 11);  // 24 div 2 - 1
  EXPECT_EQ(D->At("q").Y, 7);             // 0.6 * 11 = 6.6
  EXPECT_EQ(D->At("r").Font.Height, 24);
  D = Draw("<H2><SUP>q");
  EXPECT_EQ(D->At("q").Font.Height, -12);  // -22 div 2 - 1

  // An end tag without its start restores the height of a fresh parser.
  D = Draw("</SUB>x");
  EXPECT_EQ(D->At("x").Font.Height, 0);
  D = Draw("<SUB>a</SUP>b");
  EXPECT_EQ(D->At("b").Y, 0);
  EXPECT_EQ(D->At("b").Font.Height, -10);
}

TEST(HTMLLayout, FontColorReadsUnquotedHexValues) {
  const struct {
    std::string Text;
    TColor Color;
  } Cases[] = {
      {"<FONT COLOR=00FF00>w", 0x00FF00},
      {"<font color=00ff00>w", 0x00FF00},
      {"<FONT COLOR=FF0000>w", clRed},
      {"<FONT COLOR=0000FF SIZE=3>w", clBlue},
      {"<FONT COLOR=\"00FF00\">w", clMaroon},  // quoted: unchanged
      {"<FONT COLOR = 00FF00>w", clMaroon},    // blanks: lands on the "="
      {"<FONT COLOR=abc>w", clBlack},          // too short: black
      {"<FONT COLOR=FF0000>a</FONT>w", clRed},
  };
  for (const auto& C : Cases) EXPECT_EQ(Draw(C.Text)->At("w").Font.Color, C.Color) << C.Text;
}

TEST(HTMLLayout, ParseHexColorTakesThreePairs) {
  const struct {
    const char* Text;
    TColor Color;
  } Cases[] = {
      {"", 0},          {"FFFFF", 0},          {"FF0000", 0x0000FF}, {"00ff00", 0x00FF00},
      {"0000Ff", 0xFF0000}, {"123456789", 0x563412}, {"#FF0000", 0x00F00F}, {"zz00GG", 0},
  };
  for (const auto& C : Cases) EXPECT_EQ(ParseHexColor(C.Text), C.Color) << C.Text;
}

TEST(HTMLLayout, LinksCollectTheRectanglesOfTheirWords) {
  auto D = Draw("ab <A HREF=target >word</A> c");
  ASSERT_EQ(D->Links.size(), 1u);
  EXPECT_EQ(D->Links[0]->URL, "target");
  EXPECT_EQ(D->Links[0]->Bounds, (TBoundsList{{15, 0, 35, 10}}));
  EXPECT_EQ(D->At("word").Font.Style, unsigned(fsUnderline));
  EXPECT_EQ(D->At("word").Font.Color, clBlue);
  EXPECT_EQ(D->At("c").Font, BaseFont());

  const struct {
    std::string Text;
    std::string URL;
  } Urls[] = {
      {"<A HREF=12>x</A>", "12"},
      {"<a href=seite.htm>x</a>", "seite.htm"},
      {"<A HREF = x>y</A>", "="},  // steps over the blank onto the "="
      {"<A HREF=\"zwei   Worte\">x</A>", "zwei Worte"},
      {"<A NAME=n HREF=u TARGET=t>x</A>", "u"},
      {"<A HREF=\"offen>x</A>", "offen"},
  };
  for (const auto& C : Urls) {
    D = Draw(C.Text);
    ASSERT_EQ(D->Links.size(), 1u) << C.Text;
    EXPECT_EQ(D->Links[0]->URL, C.URL) << C.Text;
  }

  // Without HREF: no link, but the words are in the link font.
  D = Draw("<A NAME=x>wort</A>");
  EXPECT_TRUE(D->Links.empty());
  EXPECT_EQ(D->At("wort").Font.Color, clBlue);
}

TEST(HTMLLayout, LinkTextEndsAtTheFirstTagAndSkipsLeadingBlanks) {
  // Wraps at 25 pixels: "aaaa" fills the first line, the blank that no
  // longer fits is dropped at the start of the next.
  auto D = Draw("<A HREF=1>aaaa bb <B>cc</B></A>", 25);
  ASSERT_EQ(D->Links.size(), 1u);
  EXPECT_EQ(D->Links[0]->Bounds, (TBoundsList{{0, 0, 20, 10}, {0, 10, 10, 20}, {10, 10, 15, 20}}));
  EXPECT_EQ(D->At("cc").Font.Style, unsigned(fsBold | fsUnderline));

  D = Draw("<A HREF=1>x</A> und <A HREF=2>y</A>");
  ASSERT_EQ(D->Links.size(), 2u);
  EXPECT_EQ(D->Links[1]->Bounds, (TBoundsList{{30, 0, 35, 10}}));
  EXPECT_TRUE(D->Links[1]->Hit(30, 0));
  EXPECT_TRUE(D->Links[1]->Hit(35, 10));  // edges belong to the link
  EXPECT_FALSE(D->Links[1]->Hit(36, 5));
  EXPECT_FALSE(D->Links[1]->Hit(29, 5));
}

TEST(HTMLLayout, WordsWrapAtTheWidth) {
  // 50 pixels: "aaaa" (20) + " " (5) + "bbbb" (20) = 45; the next blank
  // would reach 50 and wraps.
  auto D = Draw("aaaa bbbb cccc", 50);
  EXPECT_EQ(D->At("bbbb").X, 25);
  EXPECT_EQ(D->At("cccc").X, 0);
  EXPECT_EQ(D->At("cccc").Y, 10);
  EXPECT_EQ(D->Canvas.Texts.size(), 4u);  // the wrapped blank is not drawn

  // A word wider than everything stands alone and runs past the edge.
  D = Draw("ab wwwwwwwwwwwwww c", 50);
  EXPECT_EQ(D->At("wwwwwwwwwwwwww").X, 0);
  EXPECT_EQ(D->At("wwwwwwwwwwwwww").Y, 10);
  EXPECT_EQ(D->At("c").Y, 20);
  EXPECT_EQ(D->At("c").X, 0);

  // Alone as the first word it still completes the (empty) line first,
  // which its own height has already reached.
  D = Draw("wwwwwwwwwwwwww", 50);
  EXPECT_EQ(D->At("wwwwwwwwwwwwww").Y, 10);

  // A word that reaches the width exactly wraps.
  D = Draw("aaaa bbbbb", 50);
  EXPECT_EQ(D->At("bbbbb").Y, 10);
}

TEST(HTMLLayout, CentringIsDecidedWhenTheLineIsComplete) {
  auto D = Draw("<CENTER>ab<BR>cd</CENTER><BR>ef");
  EXPECT_EQ(D->At("ab").X, 95);  // (200 - 10) div 2
  EXPECT_EQ(D->At("cd").X, 0);   // </CENTER> came before the line ended
  EXPECT_EQ(D->At("ef").X, 0);

  D = Draw("<CENTER>word</CENTER><BR>");
  EXPECT_EQ(D->At("word").X, 0);

  // Centred by the end of the last word; the link rectangles move along.
  D = Draw("<CENTER>x <A HREF=u>abc</A>", 41);
  EXPECT_EQ(D->At("x").X, 8);  // (41 - 25) div 2
  EXPECT_EQ(D->Links[0]->Bounds, (TBoundsList{{18, 0, 33, 10}}));

  // The end of the text centres too.
  D = Draw("<center>ab");
  EXPECT_EQ(D->At("ab").X, 95);
}

TEST(HTMLLayout, WordViewDropsLeadingBlanksButCountsTheirHeight) {
  TRecordingCanvas Canvas;
  Canvas.Font.Height = -8;
  TWordView View(100);
  EXPECT_EQ(View.AddWord(Canvas, " ", 0), (TXRect{0, 0, 0, 0}));
  EXPECT_EQ(View.LineHeight(), 8);
  EXPECT_FALSE(View.HasPending());
  TBoundsList Bounds;
  EXPECT_EQ(View.AddWord(Canvas, "ab", 0.6L, &Bounds), (TXRect{0, 0, 8, 8}));
  View.CompleteLine(Canvas);
  ASSERT_EQ(Canvas.Texts.size(), 1u);
  EXPECT_EQ(Canvas.Texts[0].Y, 5);  // round(8 * 0.6)
  EXPECT_EQ(View.PenY(), 8);
  View.CompleteLine(Canvas);  // nothing pending: no height
  EXPECT_EQ(View.PenY(), 8);
  EXPECT_EQ(Bounds.size(), 1u);
}
