#pragma once
// The base of the chapters' summary pages: a title plate, the chapter's
// rules as labels, and a date label (named lbDatum in every summary design)
// that shows today's date when the page is made. The designs have no check
// button. Their OnCreate is FormCreate.
#include <QDate>
#include <QString>

#include "platform/Forms.h"

class TSummaryPage : public TForm {
  Q_OBJECT
 public:
  explicit TSummaryPage(QWidget* Parent = nullptr) : TForm(Parent) {}

 public slots:
  void FormCreate(QObject* Sender);
};

// A date in the German short form: "9.12.2026".
QString ShortDateText(const QDate& Date);
