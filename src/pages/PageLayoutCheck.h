#pragma once
// The layout check of the course: every text must fit its control, and no
// two controls that hold text may overlap or touch (shapes and panels behind
// texts do not count). It looks at a page as the pupil sees it and, on an
// exercise page, again after each stage has revealed its controls.
//
//   velotra --check-layout          every page of the course
//   velotra --check-layout 220 240  only these pages
//
// Each problem is one line naming page, stage and control(s):
//   page 220, stage 0: LabelStep23: text 63 px wide in 56 px
#include <QStringList>
#include <QTextStream>
#include <vector>

class QWidget;
class TfmMain;

// The problems of the page as it is shown now; Where starts every line.
QStringList PageLayoutProblems(QWidget& Page, const QString& Where);

// Shows each page (all pages of the course when Pages is empty) in Main's
// page area, checks it and prints the problems and a summary to Out.
// Returns 0 without problems, 1 with, 2 for a page that does not exist or
// cannot be shown.
int RunLayoutCheck(TfmMain& Main, const std::vector<int>& Pages, QTextStream& Out);
