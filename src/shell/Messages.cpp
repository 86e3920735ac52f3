#include "shell/Messages.h"

namespace {
bool Numbered(int N) { return N >= 1 && N <= 100; }
}  // namespace

std::string FieldErrorText(int N) {
  switch (N) {
    case -2: return "Im vorletzten Eingabefeld stimmt etwas nicht.";
    case -1: return "Im letzten Eingabefeld hat sich noch ein Fehler eingeschlichen.";
    case 0: return "Da ist noch ein Fehler.";
    default: break;
  }
  if (!Numbered(N)) return {};
  return "Das " + std::to_string(N) + ". Eingabefeld enthält noch Fehler.";
}

std::string LineErrorText(int N) {
  switch (N) {
    case -2: return "In der vorletzten Zeile ist noch ein Fehler.";
    case -1: return "Die letzte Zeile enthält noch einen Fehler.";
    case 0: return "Das ist noch nicht richtig.";
    default: break;
  }
  if (!Numbered(N)) return {};
  return "In Zeile " + std::to_string(N) + " stimmt etwas noch nicht.";
}

TMessageText ErrorMessage(const std::string& Text) { return {ErrorCaption, Text}; }
TMessageText InfoMessage(const std::string& Text) { return {InfoCaption, Text}; }

TMessageText PraiseMessage(std::size_t Index) {
  return {InfoCaption, Index < PraiseTexts.size() ? PraiseTexts[Index] : PraiseTexts[0]};
}

TMessageText StillWrongMessage() { return {InfoCaption, StillWrongText}; }
TMessageText FieldErrorMessage(int N) { return ErrorMessage(FieldErrorText(N)); }
TMessageText LineErrorMessage(int N) { return ErrorMessage(LineErrorText(N)); }

std::size_t CharacterCount(const std::string& Text) {
  std::size_t Count = 0;
  for (unsigned char Byte : Text)
    if ((Byte & 0xC0) != 0x80) ++Count;
  return Count;
}

TMessageLayout LayOutMessage(const std::string& Text) {
  const std::size_t Length = CharacterCount(Text);
  if (Length <= LargeMessageLimit) return {TMessageSize::Large, EmptyFirstLine + Text};
  if (Length <= NormalMessageLimit) return {TMessageSize::Normal, EmptyFirstLine + Text};
  return {TMessageSize::Small, Text};
}
