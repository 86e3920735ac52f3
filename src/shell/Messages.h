#pragma once
// What the pupil reads in the message window: captions, the fixed feedback
// texts and how a text of a given length is laid out. Plain text in UTF-8.
#include <array>
#include <cstddef>
#include <string>

struct TMessageText {
  std::string Caption;
  std::string Text;
};

inline constexpr const char* ErrorCaption = "Fehler";
inline constexpr const char* InfoCaption = "Meldung";
inline constexpr const char* StillWrongText = "Da ist noch ein Fehler";

// The praise texts, chosen from uniformly.
inline constexpr std::array<const char*, 10> PraiseTexts = {
    "Bravo, weiter so.", "Bestens!",    "Gut gemacht!", "OK!",        "Super!",
    "Das ist es.",       "Alles richtig.", "Es ist alles richtig", "Weiter so!", "Genial!",
};

// Input field N: -2 the second last, -1 the last, 0 unnamed, 1 ... 100 by
// number; any other N gives an empty text.
std::string FieldErrorText(int N);
// Line N of a table or term list, numbered the same way.
std::string LineErrorText(int N);

TMessageText ErrorMessage(const std::string& Text);
TMessageText InfoMessage(const std::string& Text);
// Praise number Index (0 ... 9).
TMessageText PraiseMessage(std::size_t Index);
TMessageText StillWrongMessage();
TMessageText FieldErrorMessage(int N);
TMessageText LineErrorMessage(int N);

// Characters of a UTF-8 text: its code points (stray continuation bytes are
// not counted).
std::size_t CharacterCount(const std::string& Text);

// How the message window shows a text: short texts large below an empty
// line, medium ones below an empty line in the design's font, long ones
// small from the top.
enum class TMessageSize { Large, Normal, Small };

inline constexpr std::size_t LargeMessageLimit = 80;
inline constexpr std::size_t NormalMessageLimit = 160;
inline constexpr int LargeMessageFontHeight = -24;  // pixels
inline constexpr int SmallMessageFontSize = 10;     // points
inline constexpr const char* EmptyFirstLine = " <BR> ";

struct TMessageLayout {
  TMessageSize Size = TMessageSize::Normal;
  std::string Line;  // the one markup line the text control shows
};

TMessageLayout LayOutMessage(const std::string& Text);
