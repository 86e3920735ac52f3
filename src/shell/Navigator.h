#pragma once
// Where the chapter navigation leads from a page, and which of the seven
// navigation buttons are shown there.
#include <array>

#include "shell/History.h"
#include "shell/TableOfContents.h"

// Navigation kinds: the Tag of the tool bar buttons and menu items and the
// code of a posted navigation request.
enum TNavKind : int {
  nkBack = -3,      // history back
  nkFirst = -2,     // first page of the group
  nkPrevious = -1,  // page before
  nkOverview = 0,   // up to the overview
  nkNext = 1,       // page after
  nkLast = 2,       // last page of the group
  nkForward = 3,    // history forward
};

constexpr int NavKindCount = 7;

// A kind outside nkBack ... nkForward is taken as the nearest end.
constexpr int ClampNavKind(int Kind) { return Kind < nkBack ? nkBack : Kind > nkForward ? nkForward : Kind; }

// The target of kinds nkFirst ... nkLast from Page (NoPage: none); NoPage
// for the history kinds and anything else. Throws EPageNotFound when Page
// is not in the table of contents.
int NavTarget(const TTableOfContents& Toc, int Kind, int Page);

// Visibility of the seven navigation buttons, indexed by kind.
struct TNavButtonStates {
  std::array<bool, NavKindCount> Visible{};
  bool IsVisible(int Kind) const { return Visible[static_cast<size_t>(ClampNavKind(Kind) - nkBack)]; }
  void SetVisible(int Kind, bool Value) { Visible[static_cast<size_t>(ClampNavKind(Kind) - nkBack)] = Value; }
};

// Buttons nkFirst ... nkLast are shown exactly when their target exists,
// all five hidden when the learning path is exclusive; back and forward
// follow the history.
TNavButtonStates NavButtonStates(const TTableOfContents& Toc, const THistory& History, bool ExclusivePath,
                                 int Page);
