#include <gtest/gtest.h>

#include "components/MyHtmlPlainText.h"

TEST(MyHtmlPlainText, WordsInReadingOrderWithSingleBlanks) {
  struct {
    const char* Markup;
    const char* Text;
  } Cases[] = {
      {"<B>Der Bremsweg</B> <BR>In der Fahrschule", "Der Bremsweg In der Fahrschule"},
      {"eins<BR>zwei", "eins zwei"},
      {"  viele   Blanks\r\n und\tTabs  ", "viele Blanks und Tabs"},
      {"<CENTER><I>„Dividiere“</I></CENTER>", "„Dividiere“"},
      {"<FONT COLOR=FF0000>rot</FONT> und <U>unterstrichen</U>", "rot und unterstrichen"},
      {"<H1>Titel</H1>Text", "Titel Text"},
      {"a<SUB>1</SUB>", "a 1"},
      {"<TABLE>Zelle", ">Zelle"},  // read as drawn: the rest of an unknown tag shows
      {"", ""},
  };
  for (const auto& C : Cases) EXPECT_EQ(PlainText(Tokenize(C.Markup)).Text, C.Text) << C.Markup;
}

TEST(MyHtmlPlainText, LinksKeepTheirWordsAndTargets) {
  const TPlainText Plain =
      PlainText(Tokenize("ganz vorne an: <A HREF=110>Was ist eine Rechenvorschrift?</A><BR>und <A HREF=\"2 0\">hier</A>"));
  EXPECT_EQ(Plain.Text, "ganz vorne an: Was ist eine Rechenvorschrift? und hier");
  ASSERT_EQ(Plain.Links.size(), 2u);
  EXPECT_EQ(Plain.Links[0].Text, "Was ist eine Rechenvorschrift?");
  EXPECT_EQ(Plain.Links[0].URL, "110");
  EXPECT_EQ(Plain.Links[1].Text, "hier");
  EXPECT_EQ(Plain.Links[1].URL, "2 0");
}
