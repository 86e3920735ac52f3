#pragma once
// Asking the pupil for a term. The program shows its one term input window
// modally; tests install a presenter that answers at once instead, so no
// test ever waits for a window.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The text of the input window's field when the pupil pressed OK; nothing
// when the window was cancelled.
using TTermInput = std::optional<QString>;
using TTermInputPresenter = std::function<TTermInput()>;

// Installs a presenter and returns the one before; an empty presenter
// restores the input window.
TTermInputPresenter SetTermInputPresenter(TTermInputPresenter Presenter);

// Lets the pupil type a term: through the presenter, or in the program's
// input window (a window of its own for this one question when the program
// has none), which opens beside Beside, the term box clicked, when given,
// with Initial in its field.
TTermInput AskForTerm(const QWidget* Beside = nullptr, const QString& Initial = {});

// Why the input window does not take Typed, in one short line for the
// pupil ("Hier fehlt eine Klammer."); empty for a readable term, and for an
// empty field and "?", which clear the box on purpose.
QString TermInputProblem(const QString& Typed);

// The text form of a typed term as the term boxes hold it: "2*(a+b)" gives
// "2 * (a + b)", a text that is no term "?".
QString TermTextOf(const QString& Typed);
