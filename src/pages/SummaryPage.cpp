#include "pages/SummaryPage.h"

#include "platform/StdControls.h"

QString ShortDateText(const QDate& Date) {
  return QStringLiteral("%1.%2.%3").arg(Date.day()).arg(Date.month()).arg(Date.year());
}

void TSummaryPage::FormCreate(QObject*) {
  Component<TLabel>(QStringLiteral("lbDatum"))->SetCaption(ShortDateText(QDate::currentDate()));
}
