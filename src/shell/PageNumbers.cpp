#include "shell/PageNumbers.h"

#include <charconv>

#include "common/Colors.h"

TColor ChapterColor(int Page) {
  const int C = PageChapter(Page);
  const int Red = (512 - 8 * C) % 128 + 64;
  const int Green = (32 * C) % 128 + 64;
  const int Blue = (16 * C + 128) % 128 + 64;
  return RGB(Red, Green, Blue);
}

std::optional<int> PageFromLinkTarget(std::string_view Target) {
  constexpr std::string_view Blanks = " \t\r\n";
  const std::size_t First = Target.find_first_not_of(Blanks);
  if (First == std::string_view::npos) return std::nullopt;
  Target = Target.substr(First, Target.find_last_not_of(Blanks) - First + 1);
  // Digits only: no sign, so a link never asks for "page -5" (which the
  // navigation message would read as page 5 without history).
  if (Target.empty() || Target.size() > 6 || Target.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  int Page = 0;
  std::from_chars(Target.data(), Target.data() + Target.size(), Page);
  if (Page <= 0) return std::nullopt;
  return Page;
}
