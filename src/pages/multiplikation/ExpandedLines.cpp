#include "pages/multiplikation/ExpandedLines.h"

TCheck& ExpandedLine(TCheck& Check, int Line, int Row, const TMMTerm* Box, const QString& Expected) {
  return Check.Line(Line, IsEquivalentTo(Box, Expected))
      .Error(NotExpandedText(Row), AllOf({IsMultipliedOut(Box), IsCollected(Box)}));
}

QString NotExpandedText(int Row) {
  return QStringLiteral("Zeile %1: Multipliziere ganz aus und fasse zusammen.").arg(Row);
}
