#include "common/GermanOrder.h"

namespace {

// Sort key: ASCII lower case, umlauts as their base letter, "ß" as "ss";
// other bytes unchanged.
std::string FoldForSorting(const std::string& Text) {
  std::string Key;
  Key.reserve(Text.size());
  for (size_t I = 0; I < Text.size(); ++I) {
    const unsigned char C = static_cast<unsigned char>(Text[I]);
    if (C == 0xC3 && I + 1 < Text.size()) {
      const unsigned char D = static_cast<unsigned char>(Text[I + 1]);
      const char* Fold = nullptr;
      switch (D) {
        case 0x84: case 0xA4: Fold = "a"; break;   // Ä ä
        case 0x96: case 0xB6: Fold = "o"; break;   // Ö ö
        case 0x9C: case 0xBC: Fold = "u"; break;   // Ü ü
        case 0x9F: Fold = "ss"; break;             // ß
        default: break;
      }
      if (Fold) {
        Key += Fold;
        ++I;
        continue;
      }
    }
    Key += (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : static_cast<char>(C);
  }
  return Key;
}

}  // namespace

bool GermanLess(const std::string& A, const std::string& B) {
  const std::string KA = FoldForSorting(A);
  const std::string KB = FoldForSorting(B);
  return KA != KB ? KA < KB : A < B;
}
