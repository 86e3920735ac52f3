#pragma once
// The words of a page text as a screen reader reads them: in the order the
// text is drawn, tags left out, one blank between words, and the links with
// their words and targets. Pure C++.
#include <string>
#include <vector>

#include "components/MyHtmlScanner.h"

struct TPlainLink {
  std::string Text;
  std::string URL;
};

struct TPlainText {
  std::string Text;
  std::vector<TPlainLink> Links;
};

TPlainText PlainText(const TTokens& Tokens);
