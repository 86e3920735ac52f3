#include "platform/ListBox.h"

#include <QListWidget>
#include <algorithm>

#include "common/GermanOrder.h"
#include "platform/ControlAccessible.h"

namespace {

constexpr int DataRole = Qt::UserRole;

}  // namespace

bool GermanTextLess(const QString& A, const QString& B) { return GermanLess(A.toStdString(), B.toStdString()); }

TListBox::TListBox(QWidget* Parent) : TControl(Parent), FList(new QListWidget(this)) {
  SetParentColor(false);
  SetColor(clWindow);
  FList->setSelectionMode(QAbstractItemView::SingleSelection);
  FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FList->setUniformItemSizes(true);
  setFocusProxy(FList);
  setFocusPolicy(Qt::StrongFocus);
  SetBounds(0, 0, 121, 97);
  FList->setGeometry(rect());
  // After the line is chosen, not when it merely becomes current: a mouse
  // press makes a line current before it selects it, and ItemIndex counts
  // only a selected line.
  connect(FList, &QListWidget::itemSelectionChanged, this, [this] {
    if (!FSetting) OnClick(this);
  });
  connect(FList, &QListWidget::itemDoubleClicked, this, [this] { OnDblClick(this); });
  FontChanged();
  ColorChanged();
}

TListBox::~TListBox() = default;

void TListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (!FSorted || FList->count() < 2) return;
  QList<std::pair<QString, int>> Lines;
  for (int I = 0; I < FList->count(); ++I) Lines.append({Item(I), ItemData(I)});
  std::stable_sort(Lines.begin(), Lines.end(), [](const auto& A, const auto& B) { return GermanTextLess(A.first, B.first); });
  Clear();
  FSorted = false;
  for (const auto& [Text, Data] : Lines) AddItem(Text, Data);
  FSorted = true;
}

void TListBox::SetItemHeight(int Value) {
  FItemHeight = std::max(0, Value);
  FontChanged();
}

int TListBox::AddItem(const QString& Text, int Data) {
  int Row = FList->count();
  if (FSorted) {
    // After every line that does not sort behind the new one.
    int Low = 0;
    int High = Row;
    while (Low < High) {
      const int Mid = (Low + High) / 2;
      if (GermanTextLess(Text, Item(Mid)))
        High = Mid;
      else
        Low = Mid + 1;
    }
    Row = Low;
  }
  auto* Line = new QListWidgetItem(Text);
  Line->setData(DataRole, Data);
  FSetting = true;
  FList->insertItem(Row, Line);
  FSetting = false;
  if (FItemHeight > 0) Line->setSizeHint(QSize(0, FItemHeight));
  return Row;
}

void TListBox::Clear() {
  FSetting = true;
  FList->clear();
  FSetting = false;
}

int TListBox::Count() const { return FList->count(); }

QString TListBox::Item(int Index) const {
  const QListWidgetItem* Line = FList->item(Index);
  return Line ? Line->text() : QString();
}

int TListBox::ItemData(int Index) const {
  const QListWidgetItem* Line = FList->item(Index);
  return Line ? Line->data(DataRole).toInt() : 0;
}

int TListBox::ItemIndex() const {
  const QListWidgetItem* Line = FList->currentItem();
  return Line && Line->isSelected() ? FList->row(Line) : -1;
}

void TListBox::SetItemIndex(int Value) {
  FSetting = true;
  if (Value < 0 || Value >= FList->count()) {
    FList->setCurrentRow(-1);
    FList->clearSelection();
  } else {
    FList->setCurrentRow(Value);
  }
  FSetting = false;
}

int TListBox::IndexOf(const QString& Text) const {
  for (int I = 0; I < FList->count(); ++I)
    if (Item(I) == Text) return I;
  return -1;
}

void TListBox::SetFocus() { FList->setFocus(Qt::OtherFocusReason); }

void TListBox::FontChanged() { ShowFontInField(FList, *Font()); }

void TListBox::ColorChanged() { ShowColorInField(FList, Color()); }

void TListBox::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FList->setGeometry(rect());
}

QString TListBox::FieldName() const {
  const QString Beside = TextBeside(this);
  return Beside.isEmpty() ? NumberedName(this, QStringLiteral("Liste")) : Beside;
}
