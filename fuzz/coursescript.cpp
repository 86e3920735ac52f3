// Course scripts of any bytes: reading never fails, and every command read
// is one of the known verbs with the line it came from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/CourseScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const TCourseScript Script = ParseCourseScript(Text);
  int LastLine = 0;
  for (const TScriptCommand& C : Script.Commands) {
    if (C.Line <= LastLine || C.Source.size() > MaxScriptLine) std::abort();
    LastLine = C.Line;
    AnswerIndexOf(C.Ref);
  }
  for (const TScriptError& E : Script.Errors)
    if (E.Line < 1 || E.Reason.empty()) std::abort();
  return 0;
}
