#include "scene/MMCombo.h"

#include <string>
#include <vector>

#include "platform/ControlAccessible.h"

TMMCombo::TMMCombo(QWidget* Parent) : TControl(Parent), FBox(new QComboBox(this)) {
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
