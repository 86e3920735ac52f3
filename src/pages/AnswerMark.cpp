#include "pages/AnswerMark.h"

#include <QEvent>
#include <QPainter>

#include "platform/Controls.h"

namespace {
const QString MarkName = QStringLiteral("AnswerMark");
constexpr int FrameWidth = 2;
const QColor FrameColour(220, 0, 0);
}  // namespace

TAnswerMark::TAnswerMark(TControl* Control) : QWidget(Control) {
  setObjectName(MarkName);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(Control->rect());
  connect(Control, &TControl::ValueChanged, this, [this] {
    // Gone for IsMarked at once; freed once the signal has been delivered.
    setObjectName(QString());
    hide();
    deleteLater();
  });
  Control->installEventFilter(this);
  raise();
  show();
}

void TAnswerMark::Mark(TControl* Control) {
  if (Control && !IsMarked(Control)) new TAnswerMark(Control);
}

void TAnswerMark::Unmark(TControl* Control) {
  if (!Control) return;
  // Deleted at once, not later: a check that follows must not see it.
  delete Control->findChild<TAnswerMark*>(MarkName, Qt::FindDirectChildrenOnly);
}

bool TAnswerMark::IsMarked(const TControl* Control) {
  return Control && Control->findChild<TAnswerMark*>(MarkName, Qt::FindDirectChildrenOnly);
}

void TAnswerMark::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(FrameColour);
  const int W = width(), H = height();
  Painter.drawRect(0, 0, W, FrameWidth);
  Painter.drawRect(0, H - FrameWidth, W, FrameWidth);
  Painter.drawRect(0, 0, FrameWidth, H);
  Painter.drawRect(W - FrameWidth, 0, FrameWidth, H);
}

// The frame keeps the control's size and stays above the control's own
// children (the field inside a number field, the list inside a combo).
bool TAnswerMark::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == parent()) {
    if (Event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    if (Event->type() == QEvent::ChildAdded) raise();
  }
  return QWidget::eventFilter(Watched, Event);
}
