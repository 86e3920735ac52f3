#pragma once
// A line of the chapter's pages whose answer is a product multiplied out:
// its value must be right, and it must be written multiplied out with like
// terms collected.
#include <QString>

#include "pages/CheckGroups.h"

class TMMTerm;

// Adds two groups to Check: Box equivalent to Expected, reported as line
// Line (1, 2, ..., -2, -1) with the tip line; then Box multiplied out and
// collected, reported as "Zeile Row: Multipliziere ganz aus und fasse
// zusammen." with Row the line's number on the page (1, 2, 3, ...).
TCheck& ExpandedLine(TCheck& Check, int Line, int Row, const TMMTerm* Box, const QString& Expected);

// The message of a line whose value is right but not yet multiplied out.
QString NotExpandedText(int Row);
