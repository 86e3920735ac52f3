// Learning path files of any bytes: reading stops cleanly at the first bad
// line, and the text and stream readers agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "shell/LearnPath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  TLearnPath FromText;
  bool TextFailed = false;
  try {
    FromText.ReadFromText(Text);
  } catch (const ELearnPathError&) {
    TextFailed = true;
  }
  TLearnPath FromStream;
  bool StreamFailed = false;
  std::istringstream Stream(Text);
  try {
    FromStream.ReadFromStream(Stream);
  } catch (const ELearnPathError&) {
    StreamFailed = true;
  }
  if (TextFailed != StreamFailed || FromText.Items() != FromStream.Items()) std::abort();
  if (FromText.Count() > TLearnPath::MaxEntries) std::abort();
  for (int Page : FromText.Items()) {
    if (Page < 0 || Page > 9999) std::abort();
    FromText.Buttons(Page);
  }
  return 0;
}
