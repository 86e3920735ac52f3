// Form design text: any bytes give a tree or an error. A tree, written back
// out, must read again as the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/FormText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TFormParseResult First = ParseFormText(Text);
  if (!First.Ok) return 0;
  std::string Written = FormatFormText(First.Root);
  TFormParseResult Second = ParseFormText(Written);
  if (!Second.Ok) std::abort();
  if (FormatFormText(Second.Root) != Written) std::abort();
  return 0;
}
