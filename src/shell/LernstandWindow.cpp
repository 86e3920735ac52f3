#include "shell/LernstandWindow.h"

#include <QSaveFile>

#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/PaintBox.h"
#include "platform/SaveDialog.h"
#include "platform/ScrollBox.h"
#include "scene/MMButton.h"
#include "shell/LernstandText.h"
#include "shell/MMX.h"
#include "shell/NavigationKeys.h"
#include "shell/PagePrinting.h"

TfmLernstand::TfmLernstand(QWidget* Parent) : TForm(Parent) { setWindowFlags(Qt::Dialog); }

TfmLernstand::~TfmLernstand() = default;

TScrollBox* TfmLernstand::ScrollBox1() const { return Component<TScrollBox>(QStringLiteral("ScrollBox1")); }
TPaintBox* TfmLernstand::PaintBox1() const { return Component<TPaintBox>(QStringLiteral("PaintBox1")); }
TMMButton* TfmLernstand::MMButton1() const { return Component<TMMButton>(QStringLiteral("MMButton1")); }
TMMButton* TfmLernstand::MMButton2() const { return Component<TMMButton>(QStringLiteral("MMButton2")); }
TMMButton* TfmLernstand::MMButton3() const { return Component<TMMButton>(QStringLiteral("MMButton3")); }

void TfmLernstand::FormCreate(QObject*) {
  Refresh();
  if (MMX->Lernstand().ReadOnly()) {
    MMButton3()->SetEnabled(false);
    MMButton3()->SetHint(QStringLiteral("Der Lernstand wird in diesem Fenster nur gelesen."));
    MMButton3()->SetShowHint(true);
  }
}

void TfmLernstand::Refresh() {
  const TCourseModel& Model = MMX->Model();
  FReport = std::make_unique<TLernstandReport>(MMX->Lernstand().Lernstand(), Model.Contents(), Model.Pages());
  const QSize Size = FReport->Size();
  PaintBox1()->SetBounds(0, 0, Size.width(), Size.height());
  PaintBox1()->SetTable(FReport->Table());
  PaintBox1()->update();
}

void TfmLernstand::FormKeyDown(QObject*, int& Key, int) {
  // Nothing to go to here: Enter closes like Escape.
  HandleNavigationKey(*this, Key, [this] {
    SetModalResult(mrOk);
    hide();
  });
}

void TfmLernstand::PaintBox1Paint(QObject*) {
  if (QPainter* Painter = PaintBox1()->Canvas()->Painter()) FReport->Paint(*Painter);
}

void TfmLernstand::MMButton1Click(QObject*) {
  PrintOrSaveAsPdf(FReport->PagePicture(), QStringLiteral("der Lernstand"),
                   QStringLiteral("Lernstand als PDF-Datei speichern"));
}

void TfmLernstand::MMButton2Click(QObject*) {
  TLernstandStore& Store = MMX->Lernstand();
  // The name goes into the file for the teacher; it is asked once and kept.
  if (Store.Lernstand().Pupil().empty()) {
    const std::optional<QString> Name =
        InputQuery(QStringLiteral("Lernstand exportieren"),
                   QStringLiteral("Wie heißt du? Dein Name steht dann in der Datei für deine Lehrerin oder deinen Lehrer."));
    if (!Name || Name->trimmed().isEmpty()) return;
    Store.Edit().SetPupil(Name->trimmed().toStdString());
    Store.Changed();
    Refresh();
  }
  const QString Pupil = QString::fromStdString(Store.Lernstand().Pupil());
  TSaveDialog Dialog;
  Dialog.SetTitle(QStringLiteral("Lernstand exportieren"));
  Dialog.SetFilter(QStringLiteral("CSV-Datei für Tabellenprogramme (*.csv)|*.csv"));
  Dialog.SetDefaultExt(QStringLiteral("csv"));
  Dialog.SetFileName(QStringLiteral("Lernstand %1.csv").arg(Pupil));
  if (!Dialog.Execute()) return;
  const TCourseModel& Model = MMX->Model();
  const std::string Text = LernstandCsv(Store.Lernstand(), Model.Contents(), Model.Pages());
  // Written aside and put in place whole.
  QSaveFile File(Dialog.FileName());
  const bool Written = File.open(QIODevice::WriteOnly) &&
                       File.write(Text.data(), static_cast<qint64>(Text.size())) == static_cast<qint64>(Text.size()) &&
                       File.commit();
  if (!Written)
    MessageDlg(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n%2").arg(Dialog.FileName(), File.errorString()),
               mtError, mbOKOnly);
}

void TfmLernstand::MMButton3Click(QObject*) {
  if (MessageDlg(QStringLiteral("Willst du deinen Lernstand wirklich löschen?"), mtConfirmation, mbYesNo) != mrYes) return;
  QString Error;
  if (!MMX->ResetLernstand(Error))
    MessageDlg(QStringLiteral("Der Lernstand konnte nicht gelöscht werden.\n%1").arg(Error), mtError, mbOKOnly);
  Refresh();
}
