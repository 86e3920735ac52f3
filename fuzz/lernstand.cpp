// Lernstand files (JSON, or an export) of any bytes: reading never fails
// hard, and what was read, written again, reads back as the same.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shell/LernstandJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const QByteArray Bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
  const TLernstandJsonReading First = ReadAnyLernstand(Bytes);
  if (!First.Ok) return 0;
  // The progress survives writing; a name that was no proper UTF-8 comes
  // back mended, and from then on stays the same.
  const TLernstandJsonReading Second = LernstandFromJson(LernstandToJson(First.Lernstand));
  if (!Second.Ok || Second.Lernstand.Pages() != First.Lernstand.Pages() ||
      Second.Lernstand.Visits() != First.Lernstand.Visits() || Second.Lernstand.LastPage() != First.Lernstand.LastPage())
    std::abort();
  const TLernstandJsonReading Third = LernstandFromJson(LernstandToJson(Second.Lernstand));
  if (!Third.Ok || !(Third.Lernstand == Second.Lernstand)) std::abort();
  return 0;
}
