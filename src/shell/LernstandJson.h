#pragma once
// The Lernstand file (lernstand.json) as JSON:
//
//   { "format": 1,
//     "pupil": "Anna Beispiel",
//     "lastPage": 120,
//     "pages": { "110": { "solved": true, "firstSolved": "2026-12-09T14:03:12", "checks": 5 },
//                "120": { "solved": false, "checks": 2 } },
//     "visits": [10, 100, 110, 120] }
//
// Reading is strict, because a file that is not what this program wrote is
// moved aside rather than half believed: text that is no JSON object, a
// member of the wrong type, a format newer than TLernstand::Format, a page
// number no course can have, a date that does not exist or a negative count
// make the file damaged. Members the reader does not know are ignored; more
// than MaxVisits visits keep the last ones. Only Qt Core is used.
#include <QByteArray>
#include <QString>

#include "shell/Lernstand.h"

QByteArray LernstandToJson(const TLernstand& Lernstand);

struct TLernstandJsonReading {
  bool Ok = false;
  TLernstand Lernstand;
  QString Error;  // German, why the file is damaged
};

// Never throws, whatever the bytes.
TLernstandJsonReading LernstandFromJson(const QByteArray& Data);

// A Lernstand file (JSON) or an export (CSV, see LernstandText.h), told
// apart by their first character after a byte order mark and blanks.
TLernstandJsonReading ReadAnyLernstand(const QByteArray& Data);
