#pragma once
// The keyword index of the course: rows of a page number with up to four
// keywords, turned into a sorted keyword list whose entries know their pages.
#include <string>
#include <vector>

#include "common/GermanOrder.h"
#include "shell/TableOfContents.h"

struct TKeywordRow {
  int Page = 0;
  std::vector<std::string> Keywords;
};

// The rows the course ships with; every page they name is a page of the course.
const std::vector<TKeywordRow>& ShippedKeywordTable();

struct TKeyword {
  std::string Text;
  std::vector<int> Pages;  // in row order; a page may repeat if a row repeats
};

// One entry per distinct keyword (exact text), sorted with GermanLess,
// each with the pages of every row that names it.
std::vector<TKeyword> BuildKeywordList(const std::vector<TKeywordRow>& Rows);

// How the index lists a page: its path without the root title and the "/"
// after it ("Rechenvorschriften/Bremsweg"); the root itself keeps its title.
std::string IndexPageText(const TTableOfContents& Toc, int Page);

// The pages of a keyword as index lines (text, page), sorted with GermanLess.
// Throws EPageNotFound for a page missing from the table of contents.
std::vector<TPageGroupItem> KeywordPageLines(const TTableOfContents& Toc, const TKeyword& Keyword);
