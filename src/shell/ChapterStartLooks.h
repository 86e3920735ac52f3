#pragma once
// What the first page of a chapter shows: which of the page's stored
// pictures lies behind it and the chapter's title.
#include <optional>

struct TChapterStartLook {
  int Image;          // 1 ... 7: Image1 ... Image7 of the page
  const char* Title;  // UTF-8
};

// The look of chapter start page Page; none for a page that is no chapter
// start (its design stays as it is).
std::optional<TChapterStartLook> ChapterStartLook(int Page);
