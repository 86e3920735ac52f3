#include "scene/MMCombo.h"

#include <QAbstractItemView>
#include <QEvent>
#include <string>
#include <vector>

#include "platform/ControlAccessible.h"

namespace {

// A drop-down box that makes its list (a popup window with a view of its
// own) when it is first opened; the list takes the box's font then. A plain
// QComboBox makes it on its first font change, and that is most of the cost
// of building a page with combos.
class TLazyListBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  QSize sizeHint() const override {
    FHintAsked = true;
    return QComboBox::sizeHint();
  }
  QSize minimumSizeHint() const override {
    FHintAsked = true;
    return QComboBox::minimumSizeHint();
  }

 protected:
  void changeEvent(QEvent* Event) override {
    // Without a list yet (and no size hint cached) a new font only needs a
    // repaint; the list takes the font when it opens.
    if (Event->type() == QEvent::FontChange && !FHintAsked && !findChild<QAbstractItemView*>()) {
      QWidget::changeEvent(Event);
      return;
    }
    QComboBox::changeEvent(Event);
  }

 private:
  mutable bool FHintAsked = false;
};

}  // namespace

TMMCombo::TMMCombo(QWidget* Parent) : TControl(Parent), FBox(new TLazyListBox(this)) {
  FBox->setEditable(false);  // a list to choose from, no text of one's own
  setFocusProxy(FBox);
  connect(FBox, &QComboBox::currentIndexChanged, this, &TControl::ValueChanged);
  SetBounds(Left(), Top(), 145, 21);
  FontChanged();
}

QStringList TMMCombo::Items() const {
  QStringList List;
  for (int I = 0; I < FBox->count(); ++I) List.append(FBox->itemText(I));
  return List;
}

void TMMCombo::SetItems(const QStringList& Value) {
  FBox->clear();
  FBox->addItems(Value);
  FBox->setCurrentIndex(-1);
}

int TMMCombo::ItemIndex() const { return FBox->currentIndex(); }

void TMMCombo::SetItemIndex(int Value) { FBox->setCurrentIndex(Value < FBox->count() ? Value : -1); }

QString TMMCombo::Text() const { return FBox->currentText(); }

void TMMCombo::Loaded() {
  TControl::Loaded();
  std::vector<std::string> List;
  for (const QString& Item : Items()) List.push_back(Item.toStdString());
  FAnswers.TakeMarks(List);  // may throw: the page does not load
  for (int I = 0; I < FBox->count(); ++I) FBox->setItemText(I, QString::fromStdString(List[static_cast<std::size_t>(I)]));
}

QString TMMCombo::FieldName() const {
  const QString Beside = TextBeside(this);
  return Beside.isEmpty() ? NumberedName(this, QStringLiteral("Auswahl")) : Beside;
}

void TMMCombo::FontChanged() {
  FBox->setFont(Font()->ToQFont());
  TControl::FontChanged();
}

void TMMCombo::resizeEvent(QResizeEvent* Event) {
  TControl::resizeEvent(Event);
  FBox->setGeometry(rect());
}
