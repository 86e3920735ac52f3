#pragma once
// German dictionary order of UTF-8 texts: case and umlauts folded
// ("Übung" sorts with "Ubung", "ß" as "ss"), ties broken by the exact text.
#include <string>

bool GermanLess(const std::string& A, const std::string& B);
