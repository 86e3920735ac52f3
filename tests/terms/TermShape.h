#pragma once
// Prefix notation of a tree that names each node's exact class, for compact
// expectations: "+(a,*(2,b))". Operators: + - * : / ^ =; constants as
// numbers, variables as their letter, texts in quotes, a negation as
// "neg(x)".
#include <string>

#include "common/NumberFormat.h"
#include "terms/Terms.h"

inline std::string Shape(const TTerm& T) {
  if (T.IsExactly<TVariable>()) return std::string(1, static_cast<const TVariable&>(T).Name());
  if (T.IsExactly<TConstant>()) return FloatToStr(static_cast<const TConstant&>(T).Value());
  if (T.IsExactly<TText>()) return "'" + static_cast<const TText&>(T).Text() + "'";
  if (T.IsExactly<TNeg>()) return "neg(" + Shape(*static_cast<const TNeg&>(T).Operand()) + ")";
  const char* Op = T.IsExactly<TSum>()    ? "+"
                   : T.IsExactly<TDif>()  ? "-"
                   : T.IsExactly<TMul>()  ? "*"
                   : T.IsExactly<TDiv>()  ? ":"
                   : T.IsExactly<TFrac>() ? "/"
                   : T.IsExactly<TPower>() ? "^"
                   : T.IsExactly<TEquation>() ? "="
                                              : "??";
  const auto& D = static_cast<const TDyad&>(T);
  return std::string(Op) + "(" + Shape(*D.Left()) + "," + Shape(*D.Right()) + ")";
}

inline std::string ParsedShape(const std::string& Text) { return Shape(*TTerm::ParseTerm(Text)); }
