#include "platform/ControlAccessible.h"

#include <QAccessible>
#include <QHash>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "platform/Forms.h"

namespace {

QHash<QString, TAccessibleMaker>& Makers() {
  static QHash<QString, TAccessibleMaker> Map;
  return Map;
}

QAccessibleInterface* Factory(const QString& ClassName, QObject* Object) {
  if (!Object || !Object->isWidgetType()) return nullptr;
  const auto Found = Makers().constFind(ClassName);
  return Found == Makers().constEnd() ? nullptr : (*Found)(Object);
}

// The design form Control belongs to (a page, a dialog), else its window.
QWidget* FormOf(const QWidget* Control) {
  for (QWidget* W = Control->parentWidget(); W; W = W->parentWidget())
    if (qobject_cast<TCustomForm*>(W)) return W;
  return Control->window();
}

QRect RectIn(const QWidget* Widget, const QWidget* Form) {
  return QRect(Widget->mapTo(Form, QPoint(0, 0)), Widget->size());
}

// Whether Widget shows whenever Form does.
bool ShownWith(const QWidget* Widget, const QWidget* Form) {
  for (const QWidget* W = Widget; W && W != Form; W = W->parentWidget())
    if (W->isHidden()) return false;
  return true;
}

// The headings of the table cell under Control's centre: column heading,
// then row heading.
QString CellHeadings(const QWidget* Control, QWidget* Form) {
  const QPoint Centre = Control->mapToGlobal(Control->rect().center());
  for (QWidget* W : Form->findChildren<QWidget*>()) {
    if (W == Control || !ShownWith(W, Form)) continue;
    QAccessibleInterface* I = QAccessible::queryAccessibleInterface(W);
    QAccessibleTableInterface* Table = I ? I->tableInterface() : nullptr;
    if (!Table || !QRect(W->mapToGlobal(QPoint(0, 0)), W->size()).contains(Centre)) continue;
    QAccessibleInterface* Cell = I->childAt(Centre.x(), Centre.y());
    QAccessibleTableCellInterface* C = Cell ? Cell->tableCellInterface() : nullptr;
    if (!C) continue;
    QStringList Parts;
    for (const auto& Headers : {C->columnHeaderCells(), C->rowHeaderCells()})
      for (QAccessibleInterface* H : Headers)
        if (!H->text(QAccessible::Name).isEmpty()) Parts << H->text(QAccessible::Name);
    return Parts.join(QStringLiteral(", "));
  }
  return {};
}

TAccessibleObserver& Observer() {
  static TAccessibleObserver Current;
  return Current;
}

}  // namespace

void TellScreenReaders(QAccessibleEvent& Event) {
  if (Observer()) Observer()(Event.type(), Event.object());
  if (QAccessible::isActive()) QAccessible::updateAccessibility(&Event);
}

bool ScreenReadersListen() { return QAccessible::isActive() || Observer(); }

TAccessibleObserver SetAccessibleObserver(TAccessibleObserver New) {
  TAccessibleObserver Previous = std::move(Observer());
  Observer() = std::move(New);
  return Previous;
}

void RegisterAccessible(const QMetaObject& Class, TAccessibleMaker Maker) {
  static const bool Installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)Installed;
  Makers().insert(QString::fromLatin1(Class.className()), Maker);
}

TControlAccessible::TControlAccessible(QWidget* Widget, QAccessible::Role Role) : QAccessibleWidget(Widget, Role) {}

QString TControlAccessible::Name() const {
  const QVariant Caption = widget()->property("Caption");
  return Caption.isValid() ? WithoutAccelerator(Caption.toString()) : QString();
}

QString TControlAccessible::text(QAccessible::Text T) const {
  switch (T) {
    case QAccessible::Name:
      return widget()->accessibleName().isEmpty() ? Name() : widget()->accessibleName();
    case QAccessible::Description:
      return widget()->accessibleDescription().isEmpty() ? Description() : widget()->accessibleDescription();
    case QAccessible::Value: return Value();
    default: return QAccessibleWidget::text(T);
  }
}

QList<QWidget*> TControlAccessible::ShownChildren() const {
  QList<QWidget*> List;
  for (QObject* O : widget()->children()) {
    auto* W = qobject_cast<QWidget*>(O);
    if (W && !W->isWindow() && !IsLeftOut(W)) List.append(W);
  }
  return List;
}

int TControlAccessible::childCount() const { return static_cast<int>(ShownChildren().size()); }

QAccessibleInterface* TControlAccessible::child(int Index) const {
  const QList<QWidget*> List = ShownChildren();
  return Index >= 0 && Index < List.size() ? QAccessible::queryAccessibleInterface(List.at(Index)) : nullptr;
}

int TControlAccessible::indexOfChild(const QAccessibleInterface* Child) const {
  if (!Child || !Child->object() || !Child->object()->isWidgetType()) return -1;
  return static_cast<int>(ShownChildren().indexOf(static_cast<QWidget*>(Child->object())));
}

void SetAccessibleDescription(QWidget* Widget, const QString& Description) {
  if (Widget->accessibleDescription() == Description) return;
  Widget->setAccessibleDescription(Description);
  QAccessibleEvent Event(Widget, QAccessible::DescriptionChanged);
  TellScreenReaders(Event);
}

bool IsLeftOut(QWidget* Widget) {
  auto* I = dynamic_cast<TControlAccessible*>(QAccessible::queryAccessibleInterface(Widget));
  return I && I->LeftOut();
}

QString WithoutAccelerator(const QString& Caption) {
  QString Text;
  Text.reserve(Caption.size());
  for (qsizetype I = 0; I < Caption.size(); ++I) {
    if (Caption[I] == QLatin1Char('&')) {
      if (I + 1 < Caption.size() && Caption[I + 1] == QLatin1Char('&')) Text += Caption[++I];
      continue;
    }
    Text += Caption[I];
  }
  return Text;
}

QString AcceleratorKeys(const QString& Caption) {
  for (qsizetype I = 0; I + 1 < Caption.size(); ++I) {
    if (Caption[I] != QLatin1Char('&')) continue;
    if (Caption[I + 1] == QLatin1Char('&')) {
      ++I;
      continue;
    }
    return QStringLiteral("Alt+") + Caption[I + 1].toUpper();
  }
  return {};
}

QString TextBeside(const QWidget* Control) {
  QWidget* Form = FormOf(Control);
  QWidget* Parent = Control->parentWidget();
  if (!Form || !Parent) return {};
  if (QString Headings = CellHeadings(Control, Form); !Headings.isEmpty()) return Headings;
  const QRect Own = Control->geometry();
  constexpr int Slack = 4;
  constexpr int MaxLeftGap = 250;
  constexpr int MaxUpGap = 40;
  // Longer texts are explanations, not labels.
  constexpr int MaxLabelLength = 80;
  constexpr int ShortLabel = 12;
  QString Left, Above;
  int LeftGap = MaxLeftGap + 1, UpGap = MaxUpGap + 1;
  // The nearest texts of the same group: left on the same line, and above.
  for (QObject* Child : Parent->children()) {
    auto* W = qobject_cast<QWidget*>(Child);
    if (!W || W == Control || W->isHidden() || W->isWindow()) continue;
    QAccessibleInterface* I = QAccessible::queryAccessibleInterface(W);
    if (!I || I->role() != QAccessible::StaticText) continue;
    const QString Text = I->text(QAccessible::Name).trimmed();
    if (Text.isEmpty()) continue;
    const QRect R = W->geometry();
    const bool SameLine = (R.top() <= Own.center().y() && Own.center().y() <= R.bottom()) ||
                          (Own.top() <= R.center().y() && R.center().y() <= Own.bottom());
    if (SameLine && R.right() <= Own.left() + Slack && Own.left() - R.right() < LeftGap) {
      LeftGap = Own.left() - R.right();
      Left = Text;
    }
    const bool Overlap = R.left() < Own.right() && Own.left() < R.right();
    if (Overlap && R.bottom() <= Own.top() + Slack && Own.top() - R.bottom() < UpGap) {
      UpGap = Own.top() - R.bottom();
      Above = Text;
    }
  }
  // The nearest text decides: a number there (a row number, a value) or a
  // whole explanation names nothing.
  const auto Usable = [](const QString& Text) {
    return Text.size() <= MaxLabelLength && std::any_of(Text.begin(), Text.end(), [](QChar C) { return C.isLetter(); });
  };
  if (!Left.isEmpty()) {
    if (!Usable(Left)) return {};
    // "F =" under "1. Art: Multipliziere die Seitenlängen."
    return Left.size() <= ShortLabel && Usable(Above) ? Above + QLatin1Char(' ') + Left : Left;
  }
  return Usable(Above) ? Above : QString();
}

QString NumberedName(const QWidget* Control, const QString& Kind) {
  QWidget* Form = FormOf(Control);
  int Number = 1;
  if (Form) {
    const QStringList Answers = Form->property("AnswerList").toStringList();
    QList<QWidget*> Same;
    for (QWidget* W : Form->findChildren<QWidget*>())
      if (W->metaObject() == Control->metaObject()) Same.append(W);
    std::stable_sort(Same.begin(), Same.end(), [&](const QWidget* A, const QWidget* B) {
      const qsizetype IA = Answers.indexOf(A->objectName()), IB = Answers.indexOf(B->objectName());
      if ((IA < 0) != (IB < 0)) return IB < 0;
      if (IA >= 0) return IA < IB;
      const QRect RA = RectIn(A, Form), RB = RectIn(B, Form);
      return RA.top() != RB.top() ? RA.top() < RB.top() : RA.left() < RB.left();
    });
    Number = static_cast<int>(Same.indexOf(const_cast<QWidget*>(Control))) + 1;
  }
  return QStringLiteral("%1 %2").arg(Kind).arg(std::max(Number, 1));
}
