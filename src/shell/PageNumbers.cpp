#include "shell/PageNumbers.h"

#include "common/Colors.h"

TColor ChapterColor(int Page) {
  const int C = PageChapter(Page);
  const int Red = (512 - 8 * C) % 128 + 64;
  const int Green = (32 * C) % 128 + 64;
  const int Blue = (16 * C + 128) % 128 + 64;
  return RGB(Red, Green, Blue);
}
