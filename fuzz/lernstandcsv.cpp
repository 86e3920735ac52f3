// Exported Lernstände (CSV) of any bytes: reading never fails hard, and what
// was read, exported again, reads back as the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/LernstandText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const TLernstandReading First = ReadLernstandCsv(std::string_view(reinterpret_cast<const char*>(Data), Size));
  if (!First.Ok) return 0;
  // An empty course writes every page with progress as a page it does not know.
  const std::string Written = LernstandCsv(First.Lernstand, TTableOfContents(), TPageTable());
  const TLernstandReading Second = ReadLernstandCsv(Written);
  if (!Second.Ok) std::abort();
  for (const auto& [Page, Progress] : First.Lernstand.Pages())
    if (Second.Lernstand.Progress(Page) != Progress) std::abort();
  return 0;
}
