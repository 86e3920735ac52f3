#pragma once
// The Lernstand as text for people: the report a teacher prints on the
// command line, the export a pupil hands in (CSV with ";" and a UTF-8 byte
// order mark, as German spreadsheet programs open it), reading such an
// export back, and the table of a whole class.
//
// The export:
//   Name;Anna Beispiel
//   Kapitel;Seite;Titel;Gelöst am;Prüfungen
//   Rechenvorschriften;110;Einführung;09.12.2026 14:03;5
//   Rechenvorschriften;120;Bremsweg;;2
// one line per page of the course's chapters, then the pages the course does
// not know that have progress (chapter and title empty). Lines end with CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "shell/Lernstand.h"

// "5 von 7 Seiten", "0 von 1 Seite".
std::string PagesSolvedText(int Solved, int Total);
// "Du hast 3 von 7 Seiten dieses Kapitels gelöst."
std::string ChapterSentence(const TChapterProgress& Chapter);

// One line per chapter ("Rechenvorschriften: 5 von 7 Seiten gelöst"), then
// the solved pages of the course with their dates, in course order.
std::string ProgressReport(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table);

// The export, byte order mark first.
std::string LernstandCsv(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table);

struct TLernstandReading {
  bool Ok = false;
  TLernstand Lernstand;
  std::string Error;  // German, with the line when one is to blame
};

// Reads an export (with or without byte order mark). Never throws; any
// line that does not fit gives an error.
TLernstandReading ReadLernstandCsv(std::string_view Text);

struct TClassMember {
  std::string Name;
  TLernstand Lernstand;
};

// One line per pupil, one column per chapter ("5 von 7"), headed by
// "Name" and the chapters' titles; CSV with ";", lines ending with CR LF.
std::string ClassTable(const std::vector<TClassMember>& Pupils, const TTableOfContents& Toc, const TPageTable& Table);

// A field as CSV writes it: line breaks and other control characters become
// blanks (a line is a record), and a field holding ";" or a quote is quoted.
std::string CsvField(std::string_view Text);
// The fields of one CSV line (quotes as CsvField writes them); false when a
// quote is not closed or stray text follows a closing quote.
bool SplitCsvLine(std::string_view Line, std::vector<std::string>& Fields);

inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
