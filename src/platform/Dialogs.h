#pragma once
// Message dialogs. Every dialog goes through one replaceable presenter: a
// modal message box in the program, a recorder in tests (so no test ever
// waits for a click).
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };

// A set of buttons: bit (1 << TMsgDlgBtn).
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons ButtonSet(std::initializer_list<TMsgDlgBtn> Buttons) {
  TMsgDlgButtons Set = 0;
  for (TMsgDlgBtn B : Buttons) Set |= 1u << B;
  return Set;
}
constexpr TMsgDlgButtons mbOKOnly = ButtonSet({mbOK});
constexpr TMsgDlgButtons mbOKCancel = ButtonSet({mbOK, mbCancel});
constexpr TMsgDlgButtons mbYesNo = ButtonSet({mbYes, mbNo});
constexpr TMsgDlgButtons mbYesNoCancel = ButtonSet({mbYes, mbNo, mbCancel});

// Results of modal windows and dialogs.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

struct TMessageRequest {
  QString Caption;
  QString Text;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons = mbOKOnly;
};

// Shows a request and returns the modal result of the button chosen.
using TMessagePresenter = std::function<TModalResult(const TMessageRequest& Request)>;

// Installs a presenter and returns the one before; an empty presenter
// restores the message box.
TMessagePresenter SetMessagePresenter(TMessagePresenter Presenter);

// Installs a presenter for the lifetime of the scope.
class TMessagePresenterScope {
 public:
  explicit TMessagePresenterScope(TMessagePresenter Presenter) : FPrevious(SetMessagePresenter(std::move(Presenter))) {}
  ~TMessagePresenterScope() { SetMessagePresenter(std::move(FPrevious)); }
  TMessagePresenterScope(const TMessagePresenterScope&) = delete;
  TMessagePresenterScope& operator=(const TMessagePresenterScope&) = delete;

 private:
  TMessagePresenter FPrevious;
};

TModalResult PresentMessage(const TMessageRequest& Request);

// A plain message with "OK", captioned with the application's name.
void ShowMessage(const QString& Text);
// Captioned "Warnung", "Fehler", "Information", "Bestätigen" (or the
// application's name for mtCustom), with German button texts.
TModalResult MessageDlg(const QString& Text, TMsgDlgType Type, TMsgDlgButtons Buttons);

// The message box itself, what the default presenter shows.
TModalResult ShowMessageBox(const TMessageRequest& Request);

// Asks for one line of text. The question goes through one replaceable
// presenter like the messages: Qt's input dialog in the program, a stand-in
// in tests. The answer, or nothing when the question was cancelled.
struct TTextQuery {
  QString Caption;
  QString Prompt;
  QString Value;  // proposed answer
};
using TTextQueryPresenter = std::function<std::optional<QString>(const TTextQuery& Query)>;
// Installs a presenter and returns the one before; an empty presenter
// restores the input dialog.
TTextQueryPresenter SetTextQueryPresenter(TTextQueryPresenter Presenter);
std::optional<QString> InputQuery(const QString& Caption, const QString& Prompt, const QString& Value = QString());
