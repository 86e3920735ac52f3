#pragma once
// Plays a course script (see CourseScript.h) in the running program: it
// goes to pages, gives answers through the real controls (typing into
// number fields, choosing combo items, clicking term boxes while the term
// input comes from the script), presses check buttons, fires timers, and
// compares what the pupil would see with the script's expectations.
// Messages and dialogs are recorded instead of shown while a script plays.
#include <QString>
#include <QTextStream>

class TfmMain;

// Exit status of a played script.
constexpr int PlayPassed = 0;
constexpr int PlayFailed = 1;  // an expectation failed
constexpr int PlayBroken = 2;  // the script could not be read or played

// Plays the script in File on Main (which is shown, or about to show its
// first page) and writes one line per command to Out, then "N passed,
// M failed". Errors of a broken script name file and line.
int PlayCourseScript(TfmMain& Main, const QString& File, QTextStream& Out);
