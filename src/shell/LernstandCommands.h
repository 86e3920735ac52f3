#pragma once
// The teacher's commands on the command line (no window, no display):
//   velotra --progress [FILE]   the Lernstand as text: the pupil's own file
//                               (VELOTRA_DATA or the application data
//                               folder), or FILE, an export or a Lernstand file
//   velotra --class FOLDER      every export and Lernstand file in FOLDER as
//                               one table, pupils by chapters, CSV
// Both write the result to Out and problems to Err, and return the exit
// status: 0 done, 1 the Lernstand or the folder could not be read.
#include <QString>
#include <QTextStream>

int PrintProgress(const QString& File, QTextStream& Out, QTextStream& Err);
// Out gets a byte order mark first when WithBom is set (for a file a
// spreadsheet program opens, rather than a terminal).
int PrintClass(const QString& Folder, QTextStream& Out, QTextStream& Err, bool WithBom);
