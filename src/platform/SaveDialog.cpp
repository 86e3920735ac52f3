#include "platform/SaveDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

TSavePresenter& CurrentPresenter() {
  static TSavePresenter Presenter;
  return Presenter;
}

std::optional<QString> ShowFileDialog(const TSaveRequest& Request) {
  QFileDialog Dialog(QApplication::activeWindow(), Request.Title);
  Dialog.setAcceptMode(QFileDialog::AcceptSave);
  Dialog.setFileMode(QFileDialog::AnyFile);
  Dialog.setNameFilters(Request.Filters);
  Dialog.setDefaultSuffix(Request.DefaultExt);
  if (!Request.ConfirmOverwrite) Dialog.setOption(QFileDialog::DontConfirmOverwrite);
  // A name typed without extension gets the one of the chosen file type.
  QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, [&Dialog](const QString& Filter) {
    const qsizetype Dot = Filter.indexOf(QLatin1String("*."));
    if (Dot < 0) return;
    QString Suffix = Filter.mid(Dot + 2);
    const qsizetype End = Suffix.indexOf(QRegularExpression(QStringLiteral("[ );]")));
    if (End >= 0) Suffix.truncate(End);
    if (!Suffix.isEmpty() && Suffix != QLatin1String("*")) Dialog.setDefaultSuffix(Suffix);
  });
  if (!Request.FileName.isEmpty()) Dialog.selectFile(Request.FileName);
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Dialog.selectedFiles().first();
}

}  // namespace

TSavePresenter SetSavePresenter(TSavePresenter Presenter) {
  TSavePresenter Before = std::move(CurrentPresenter());
  CurrentPresenter() = std::move(Presenter);
  return Before;
}

QStringList QtFileFilters(const QString& DesignFilter) {
  QStringList Filters;
  const QStringList Parts = DesignFilter.split(u'|');
  for (int I = 0; I + 1 < Parts.size(); I += 2) {
    QString Description = Parts[I].trimmed();
    const QString Patterns = QString(Parts[I + 1]).replace(u';', u' ').trimmed();
    if (!Description.contains(u'(')) Description += QStringLiteral(" (") + Patterns + u')';
    Filters.append(Description);
  }
  return Filters;
}

TSaveDialog::TSaveDialog(QObject* Owner) : QObject(Owner) {}

bool TSaveDialog::Execute() {
  const TSaveRequest Request{FTitle.isEmpty() ? QStringLiteral("Speichern unter") : FTitle, FFileName,
                             QtFileFilters(FFilter), FDefaultExt, FConfirmOverwrite};
  const TSavePresenter& Presenter = CurrentPresenter();
  std::optional<QString> Chosen = Presenter ? Presenter(Request) : ShowFileDialog(Request);
  if (!Chosen || Chosen->isEmpty()) return false;
  QString Name = *Chosen;
  if (!FDefaultExt.isEmpty() && QFileInfo(Name).suffix().isEmpty()) Name += u'.' + FDefaultExt;
  FFileName = Name;
  return true;
}
