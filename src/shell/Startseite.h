#pragma once
// The start page: glass buttons into the chapters, the course picture and a
// short welcome whose links name the pages they lead to. When the pupil has
// been in the course before, a ninth button leads back to the last page
// ("Weiter bei: Bremsweg (Seite 120)").
#include <QString>

#include "platform/Forms.h"

class TfmStartseite : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

 public slots:
  // The picture comes from the program's pictures; the resume button shows
  // when there is a last page.
  void FormCreate(QObject* Sender);
  // Shared by all nine buttons: asks for the page the clicked button's Tag
  // names, recorded in the history.
  void PCVGlassButton1Click(QObject* Sender);
  // A link target is a page number in decimal text; anything else is ignored.
  void MiniHTML3Hyperjump(QObject* Sender, const QString& URL);
};
