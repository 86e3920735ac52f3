#pragma once
// Readable game messages in test failures.
#include <ostream>

#include "pages/GameMessage.h"

inline void PrintTo(const TGameMessage& M, std::ostream* Out) {
  static const char* const Kinds[] = {"none", "praise", "error", "info"};
  *Out << Kinds[M.Kind] << " \"" << M.Caption << "\": \"" << M.Text << "\"";
}
