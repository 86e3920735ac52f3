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

TTermInput AskForTerm(const QWidget* Beside, const QString& Initial) {
  if (Presenter()) return Presenter()();
  if (TfmFncInput* Window = TfmFncInput::Instance()) return Window->Execute(Beside, Initial);
  std::unique_ptr<TfmFncInput> Window = CreateForm<TfmFncInput>();
  return Window->Execute(Beside, Initial);
}

QString TermInputProblem(const QString& Typed) {
  // An empty field and "?" clear the box on purpose ("?" is also how a
  // pupil answers that a term cannot be factorised).
  if (Typed.trimmed().isEmpty() || Typed.trimmed() == QLatin1String("?")) return {};
  if (!TTerm::ParseTerm(Typed.toStdString())->IsA<TText>()) return {};
  if (Typed.count(QLatin1Char('(')) != Typed.count(QLatin1Char(')'))) return QStringLiteral("Hier fehlt eine Klammer.");
  return QStringLiteral("Dieser Term ist nicht lesbar.");
}

QString TermTextOf(const QString& Typed) {
  return QString::fromStdString(TTerm::ParseTerm(Typed.toStdString())->ToString());
}
