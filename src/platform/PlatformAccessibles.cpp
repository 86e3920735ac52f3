#include "platform/PlatformAccessibles.h"

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/GridAccessible.h"
#include "platform/PaintBox.h"
#include "platform/StringGrid.h"

namespace {

class TStringGridAccessible : public TGridAccessible {
 public:
  explicit TStringGridAccessible(TStringGrid* Grid) : TGridAccessible(Grid) {}
  int rowCount() const override { return Grid().RowCount(); }
  int columnCount() const override { return Grid().ColCount(); }
  QString CellText(int Row, int Col) const override { return Grid().Cells(Col, Row); }
  QRect CellRect(int Row, int Col) const override { return Grid().CellRect(Col, Row); }
  bool IsHeading(int Row, int Col) const override { return Row < Grid().FixedRows() || Col < Grid().FixedCols(); }

 private:
  const TStringGrid& Grid() const { return *static_cast<const TStringGrid*>(widget()); }
};

// A paint box that draws a table.
class TPaintedTableAccessible : public TGridAccessible {
 public:
  explicit TPaintedTableAccessible(TPaintBox* Box) : TGridAccessible(Box) {}
  QString Name() const override { return Table().Caption; }
  int rowCount() const override { return Table().RowCount(); }
  int columnCount() const override { return Table().ColumnCount(); }
  QString CellText(int Row, int Col) const override { return Table().Cell(Row, Col); }
  QRect CellRect(int Row, int Col) const override { return Table().CellRect(Row, Col); }
  bool IsHeading(int Row, int) const override { return Row < Table().HeadingRows; }

 private:
  const TPaintedTable& Table() const {
    static const TPaintedTable None;
    const auto& Own = static_cast<const TPaintBox*>(widget())->Table();
    return Own ? *Own : None;
  }
};

}  // namespace

QWidget* TPlainControlAccessible::Field() const {
  QWidget* Proxy = widget()->focusProxy();
  return Proxy && Proxy->parentWidget() == widget() ? Proxy : nullptr;
}

bool TPlainControlAccessible::Clickable() const {
  const auto* Control = qobject_cast<const TControl*>(widget());
  return Control && Control->OnClick;
}

bool TPlainControlAccessible::LeftOut() const {
  if (Field() || Clickable() || !text(QAccessible::Name).isEmpty()) return false;
  return ShownChildren().isEmpty();
}

QString TPlainControlAccessible::Name() const {
  if (QWidget* F = Field()) return F->accessibleName();
  const QString Caption = TControlAccessible::Name();
  if (!Caption.isEmpty()) return Caption;
  const QVariant Hint = widget()->property("Hint");
  return Hint.isValid() ? Hint.toString() : QString();
}

QAccessible::Role TPlainControlAccessible::role() const {
  if (Field()) return QAccessible::Client;
  if (Clickable()) return QAccessible::PushButton;
  if (!ShownChildren().isEmpty()) return QAccessible::Grouping;
  if (!TControlAccessible::Name().isEmpty()) return QAccessible::StaticText;
  return QAccessible::Graphic;
}

QAccessible::State TPlainControlAccessible::state() const {
  QAccessible::State S = TControlAccessible::state();
  if (Field()) {
    // The field inside takes the focus and is read on its own.
    S.focusable = false;
    S.focused = false;
  }
  return S;
}

QStringList TPlainControlAccessible::actionNames() const {
  QStringList Names = TControlAccessible::actionNames();
  if (Clickable()) Names.prepend(pressAction());
  return Names;
}

void TPlainControlAccessible::doAction(const QString& Action) {
  if (Action == pressAction() && Clickable() && widget()->isEnabled())
    static_cast<TControl*>(widget())->Click();
  else
    TControlAccessible::doAction(Action);
}

TFormAccessible::TFormAccessible(TCustomForm* Form) : TControlAccessible(Form) {}

QAccessible::Role TFormAccessible::role() const {
  return widget()->isWindow() ? QAccessible::Dialog : QAccessible::Grouping;
}

void RegisterPlatformAccessibles() {
  RegisterAccessible<TControl, TPlainControlAccessible>();
  RegisterAccessible<TCustomForm, TFormAccessible>();
  RegisterAccessible<TStringGrid, TStringGridAccessible>();
  // A paint box is read by what it shows, or as the table it draws.
  RegisterAccessible(TPaintBox::staticMetaObject, [](QObject* Object) -> QAccessibleInterface* {
    auto* Box = static_cast<TPaintBox*>(Object);
    if (Box->Table()) return new TPaintedTableAccessible(Box);
    return new TPlainControlAccessible(Box);
  });
}
