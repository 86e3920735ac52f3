#pragma once
// Problems found while reading a form design, and the exception that carries
// them out of a form's constructor path.
#include <QList>
#include <QString>
#include <stdexcept>

struct TFormProblem {
  QString File;
  int Line = 0;  // 0 when the problem belongs to no line
  QString Message;

  // "file:line: message"
  QString ToString() const;
};

// Raised when a form's design cannot be loaded; what() lists every problem,
// one per line.
class EFormError : public std::runtime_error {
 public:
  explicit EFormError(QList<TFormProblem> Problems);
  const QList<TFormProblem>& Problems() const { return FProblems; }
  QString Message() const;

 private:
  QList<TFormProblem> FProblems;
};
