#pragma once
// The pages the pupil has visited, with a position that "back" and
// "forward" move. Going to a new page drops everything after the position.
#include <cstddef>
#include <vector>

class THistory {
 public:
  // Drops every entry after the position, appends Page and moves there.
  void Add(int Page);
  // Moves one entry back and returns that entry's page, which the shell
  // then shows without adding it again; -1 (and no move) when it cannot.
  int Back();
  // Moves one entry forward likewise; -1 when it cannot.
  int Forward();
  bool CanGoBack() const { return !FItems.empty() && FIndex > 0; }
  bool CanGoForward() const { return !FItems.empty() && FIndex < Count() - 1; }

  int Count() const { return static_cast<int>(FItems.size()); }
  int Index() const { return FIndex; }
  const std::vector<int>& Items() const { return FItems; }

 private:
  std::vector<int> FItems;
  int FIndex = 0;
};
