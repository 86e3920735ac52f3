#include <gtest/gtest.h>

#include <string>

#include "shell/Messages.h"

namespace {

struct TNumberedCase {
  int N;
  const char* Field;
  const char* Line;
};

const TNumberedCase NumberedCases[] = {
    {-3, "", ""},
    {-2, "Im vorletzten Eingabefeld stimmt etwas nicht.", "In der vorletzten Zeile ist noch ein Fehler."},
    {-1, "Im letzten Eingabefeld hat sich noch ein Fehler eingeschlichen.",
     "Die letzte Zeile enthält noch einen Fehler."},
    {0, "Da ist noch ein Fehler.", "Das ist noch nicht richtig."},
    {1, "Das 1. Eingabefeld enthält noch Fehler.", "In Zeile 1 stimmt etwas noch nicht."},
    {3, "Das 3. Eingabefeld enthält noch Fehler.", "In Zeile 3 stimmt etwas noch nicht."},
    {100, "Das 100. Eingabefeld enthält noch Fehler.", "In Zeile 100 stimmt etwas noch nicht."},
    {101, "", ""},
};

TEST(MessagesTest, NumberedErrorsNameTheFieldOrLine) {
  for (const TNumberedCase& C : NumberedCases) {
    SCOPED_TRACE(C.N);
    EXPECT_EQ(FieldErrorMessage(C.N).Text, C.Field);
    EXPECT_EQ(FieldErrorMessage(C.N).Caption, "Fehler");
    EXPECT_EQ(LineErrorMessage(C.N).Text, C.Line);
    EXPECT_EQ(LineErrorMessage(C.N).Caption, "Fehler");
  }
}

TEST(MessagesTest, CaptionsOfTheFixedMessages) {
  EXPECT_EQ(ErrorMessage("x").Caption, "Fehler");
  EXPECT_EQ(InfoMessage("x").Caption, "Meldung");
  EXPECT_EQ(StillWrongMessage().Caption, "Meldung");
  EXPECT_EQ(StillWrongMessage().Text, "Da ist noch ein Fehler");
  EXPECT_EQ(PraiseMessage(0).Caption, "Meldung");
  EXPECT_EQ(PraiseMessage(0).Text, "Bravo, weiter so.");
  EXPECT_EQ(PraiseMessage(7).Text, "Es ist alles richtig");
  EXPECT_EQ(PraiseMessage(9).Text, "Genial!");
}

TEST(MessagesTest, CharactersAreCountedNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(CharacterCount("abc"), 3u);
  EXPECT_EQ(CharacterCount("enthält"), 7u);
  EXPECT_EQ(CharacterCount("€ß"), 2u);
}

struct TLayoutCase {
  std::string Text;
  TMessageSize Size;
  bool EmptyFirstLine;
};

TEST(MessagesTest, LengthChoosesTheLayout) {
  const TLayoutCase Cases[] = {
      {"", TMessageSize::Large, true},
      {std::string(80, 'a'), TMessageSize::Large, true},
      {std::string(79, 'a') + "ä", TMessageSize::Large, true},  // 80 characters, 81 bytes
      {std::string(81, 'a'), TMessageSize::Normal, true},
      {std::string(160, 'a'), TMessageSize::Normal, true},
      {std::string(161, 'a'), TMessageSize::Small, false},
      {std::string(400, 'a'), TMessageSize::Small, false},
  };
  for (const TLayoutCase& C : Cases) {
    SCOPED_TRACE(C.Text.size());
    const TMessageLayout Layout = LayOutMessage(C.Text);
    EXPECT_EQ(Layout.Size, C.Size);
    EXPECT_EQ(Layout.Line, C.EmptyFirstLine ? " <BR> " + C.Text : C.Text);
  }
}

}  // namespace
