#pragma once
// Page numbers of the course and what follows from the number alone.
#include <optional>
#include <string_view>

#include "common/Types.h"

// The start page, root of the table of contents.
constexpr int StartPage = 10;

// A page's chapter: its number div 100 (page 10 is chapter 0, 120 chapter 1,
// 1010 chapter 10). Truncates toward zero like every integer division here.
constexpr int PageChapter(int Page) { return Page / 100; }

// The colour of a page's row in the statistics chart. With C the page's
// chapter: red ((512 - 8C) mod 128) + 64, green (32C mod 128) + 64,
// blue ((16C + 128) mod 128) + 64, where mod keeps the sign of the dividend.
// Each component is cut to its low byte, as colour values always are.
TColor ChapterColor(int Page);

// The page a hyperlink of a page text leads to: its target is the page
// number in decimal digits (blanks around it are allowed). None for any
// other text, for 0 and for numbers beyond any page.
std::optional<int> PageFromLinkTarget(std::string_view Target);
