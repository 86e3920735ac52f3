#include "platform/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "platform/Application.h"

namespace {

TMessagePresenter& CurrentPresenter() {
  static TMessagePresenter Presenter;
  return Presenter;
}

TTextQueryPresenter& CurrentTextQueryPresenter() {
  static TTextQueryPresenter Presenter;
  return Presenter;
}

QString ApplicationCaption() { return ApplicationTitle(); }

QString TypeCaption(TMsgDlgType Type) {
  switch (Type) {
    case mtWarning: return QStringLiteral("Warnung");
    case mtError: return QStringLiteral("Fehler");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Bestätigen");
    case mtCustom: break;
  }
  return ApplicationCaption();
}

}  // namespace

TMessagePresenter SetMessagePresenter(TMessagePresenter Presenter) {
  TMessagePresenter Previous = std::move(CurrentPresenter());
  CurrentPresenter() = std::move(Presenter);
  return Previous;
}

TModalResult PresentMessage(const TMessageRequest& Request) {
  // A copy, so that a presenter may replace itself while it runs.
  const TMessagePresenter Presenter = CurrentPresenter();
  return Presenter ? Presenter(Request) : ShowMessageBox(Request);
}

void ShowMessage(const QString& Text) { PresentMessage({ApplicationCaption(), Text, mtCustom, mbOKOnly}); }

TModalResult MessageDlg(const QString& Text, TMsgDlgType Type, TMsgDlgButtons Buttons) {
  if (Buttons == 0) Buttons = mbOKOnly;
  return PresentMessage({TypeCaption(Type), Text, Type, Buttons});
}

TModalResult ShowMessageBox(const TMessageRequest& Request) {
  QMessageBox Box(QApplication::activeWindow());
  Box.setWindowTitle(Request.Caption);
  Box.setText(Request.Text);
  switch (Request.Type) {
    case mtWarning: Box.setIcon(QMessageBox::Warning); break;
    case mtError: Box.setIcon(QMessageBox::Critical); break;
    case mtInformation: Box.setIcon(QMessageBox::Information); break;
    case mtConfirmation: Box.setIcon(QMessageBox::Question); break;
    case mtCustom: Box.setIcon(QMessageBox::NoIcon); break;
  }
  struct Choice {
    TMsgDlgBtn Button;
    const char* Text;
    QMessageBox::ButtonRole Role;
    TModalResult Result;
  };
  static constexpr Choice Choices[] = {
      {mbYes, "Ja", QMessageBox::YesRole, mrYes},
      {mbNo, "Nein", QMessageBox::NoRole, mrNo},
      {mbOK, "OK", QMessageBox::AcceptRole, mrOk},
      {mbCancel, "Abbrechen", QMessageBox::RejectRole, mrCancel},
  };
  QAbstractButton* Escape = nullptr;
  QAbstractButton* First = nullptr;
  std::vector<std::pair<QAbstractButton*, TModalResult>> Results;
  for (const Choice& C : Choices) {
    if (!(Request.Buttons & (1u << C.Button))) continue;
    QPushButton* B = Box.addButton(QString::fromUtf8(C.Text), C.Role);
    Results.emplace_back(B, C.Result);
    if (!First) First = B;
    if (C.Button == mbCancel || (C.Button == mbNo && !(Request.Buttons & (1u << mbCancel))) ||
        (C.Button == mbOK && Request.Buttons == mbOKOnly))
      Escape = B;
  }
  if (First) Box.setDefaultButton(static_cast<QPushButton*>(First));
  if (Escape) Box.setEscapeButton(Escape);
  Box.exec();
  for (const auto& [Button, Result] : Results)
    if (Box.clickedButton() == Button) return Result;
  // Closed by the window manager: the escape button's answer.
  for (const auto& [Button, Result] : Results)
    if (Button == Escape) return Result;
  return mrCancel;
}

TTextQueryPresenter SetTextQueryPresenter(TTextQueryPresenter Presenter) {
  TTextQueryPresenter Previous = std::move(CurrentTextQueryPresenter());
  CurrentTextQueryPresenter() = std::move(Presenter);
  return Previous;
}

std::optional<QString> InputQuery(const QString& Caption, const QString& Prompt, const QString& Value) {
  // A copy: the presenter may replace itself.
  if (TTextQueryPresenter Presenter = CurrentTextQueryPresenter()) return Presenter({Caption, Prompt, Value});
  bool Ok = false;
  const QString Answer =
      QInputDialog::getText(QApplication::activeWindow(), Caption, Prompt, QLineEdit::Normal, Value, &Ok);
  if (!Ok) return std::nullopt;
  return Answer;
}
