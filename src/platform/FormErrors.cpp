#include "platform/FormErrors.h"

#include <QStringList>

namespace {

QString Join(const QList<TFormProblem>& Problems) {
  QStringList Lines;
  for (const TFormProblem& P : Problems) Lines << P.ToString();
  return Lines.join('\n');
}

}  // namespace

QString TFormProblem::ToString() const {
  QString Where = File.isEmpty() ? QStringLiteral("<design>") : File;
  if (Line > 0) Where += QStringLiteral(":%1").arg(Line);
  return Where + QStringLiteral(": ") + Message;
}

EFormError::EFormError(QList<TFormProblem> Problems)
    : std::runtime_error(Join(Problems).toStdString()), FProblems(std::move(Problems)) {}

QString EFormError::Message() const { return QString::fromStdString(what()); }
