#pragma once
// A message a game asks its page to show, named by the message procedure
// that shows it.
#include <string>
#include <utility>

enum TGameMessageKind {
  gmNone,    // nothing to show
  gmPraise,  // ShowPraise: the message window picks one of its praise texts
  gmError,   // ShowError(Text), caption "Fehler"
  gmInfo,    // ShowInfo(Text), caption "Meldung"
};

struct TGameMessage {
  TGameMessageKind Kind = gmNone;
  // The window caption that goes with Kind ("Fehler" or "Meldung").
  std::string Caption;
  // The text for ShowError and ShowInfo; empty for praise (chosen by the window).
  std::string Text;
  // The tip line under an error about a wrong term (see terms/Counterexample.h).
  std::string Tip;

  static TGameMessage Praise() { return {gmPraise, "Meldung", "", ""}; }
  static TGameMessage Error(std::string Text, std::string Tip = {}) {
    return {gmError, "Fehler", std::move(Text), std::move(Tip)};
  }
  static TGameMessage Info(std::string Text) { return {gmInfo, "Meldung", std::move(Text), ""}; }
  bool operator==(const TGameMessage&) const = default;
};
