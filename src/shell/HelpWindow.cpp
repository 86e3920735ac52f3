#include "shell/HelpWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString HelpDocumentUrl() { return QStringLiteral("qrc:/help/hilfe.html"); }

THelpWindow::THelpWindow(QWidget* Parent) : QWidget(Parent, Qt::Window), FBrowser(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("fmHilfe"));
  setWindowTitle(QStringLiteral("Velotra - Hilfe"));
  resize(620, 520);
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(FBrowser);
  FBrowser->setOpenLinks(true);
  FBrowser->setOpenExternalLinks(false);
  FBrowser->setSource(QUrl(HelpDocumentUrl()));
}

void THelpWindow::ShowContents() {
  FBrowser->setSource(QUrl(HelpDocumentUrl()));
  FBrowser->scrollToAnchor(QStringLiteral("inhalt"));
  show();
  raise();
  activateWindow();
}

void THelpWindow::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
    close();
    Event->accept();
    return;
  }
  QWidget::keyPressEvent(Event);
}

QString LiteratureSourcesText() {
  return QStringLiteral(
      "<p>Alle Texte, Erklärungen, Aufgaben und Beispiele dieses Kurses wurden für "
      "Velotra selbst geschrieben.</p>"
      "<p>Grundlage sind die Inhalte des Mathematikunterrichts der Sekundarstufe I: "
      "Terme, Rechengesetze, binomische Formeln und das Faktorisieren.</p>"
      "<p>Es wurden keine Texte aus anderen Werken übernommen.</p>");
}

QString PictureSourcesText() {
  return QStringLiteral(
      "<p>Alle Bilder, Symbole und Hintergründe dieses Kurses sind eigene Arbeiten: "
      "sie werden vom Programm selbst gezeichnet oder von den Werkzeugen des Kurses "
      "erzeugt.</p>"
      "<p>Es wurden keine Bilder aus anderen Werken übernommen.</p>");
}

void ShowSourcesWindow(QWidget* Parent, const QString& Caption, const QString& Text) {
  QDialog Dialog(Parent);
  Dialog.setWindowTitle(Caption);
  auto* Layout = new QVBoxLayout(&Dialog);
  auto* Label = new QLabel(Text, &Dialog);
  Label->setWordWrap(true);
  Label->setTextFormat(Qt::RichText);
  Label->setMinimumWidth(360);
  Layout->addWidget(Label);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &Dialog);
  Buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  QObject::connect(Buttons, &QDialogButtonBox::accepted, &Dialog, &QDialog::accept);
  Layout->addWidget(Buttons);
  Dialog.exec();
}
