#include "terms/TermInput.h"

#include <memory>

#include "terms/FncInput.h"
#include "terms/Terms.h"

namespace {
TTermInputPresenter& Presenter() {
  static TTermInputPresenter Current;
  return Current;
}
}  // namespace

TTermInputPresenter SetTermInputPresenter(TTermInputPresenter Value) {
  TTermInputPresenter Previous = std::move(Presenter());
  Presenter() = std::move(Value);
  return Previous;
}

TTermInput AskForTerm(const QWidget* Beside) {
  if (Presenter()) return Presenter()();
  if (TfmFncInput* Window = TfmFncInput::Instance()) return Window->Execute(Beside);
  std::unique_ptr<TfmFncInput> Window = CreateForm<TfmFncInput>();
  return Window->Execute(Beside);
}

QString TermTextOf(const QString& Typed) {
  return QString::fromStdString(TTerm::ParseTerm(Typed.toStdString())->ToString());
}
