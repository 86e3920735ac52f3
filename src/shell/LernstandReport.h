#pragma once
// The Lernstand as a table, drawn the same for the window and for paper: a
// heading with the pupil's name and the day, then per chapter its title with
// how many of its pages are solved and one line per page (page, solved on,
// checks), solved pages ticked.
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "platform/PaintBox.h"
#include "shell/Lernstand.h"

class QPainter;

class TLernstandReport {
 public:
  TLernstandReport(const TLernstand& Lernstand, const TTableOfContents& Toc, const TPageTable& Table);

  // The table's size in pixels at 96 dpi.
  QSize Size() const;
  // Draws the table with its top left corner at the painter's origin.
  void Paint(QPainter& Painter) const;
  // An A4 page at 96 dpi with the table inside its margins, made smaller
  // when it would not fit.
  QImage PagePicture() const;
  // The table for screen readers: named by the heading, the column
  // headings, then one row per line where Paint draws it.
  TPaintedTable Table() const;

  // One line of the table.
  struct TLine {
    bool Chapter = false;  // a chapter's heading
    bool Solved = false;
    QString Text;      // chapter title with "(3/7)", or page number and title
    QString SolvedOn;  // "9.12.2026"
    QString Checks;
  };
  const std::vector<TLine>& Lines() const { return FLines; }
  const QString& Heading() const { return FHeading; }

 private:
  QString FHeading;
  std::vector<TLine> FLines;
};
