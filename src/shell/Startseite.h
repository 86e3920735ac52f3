#pragma once
// The start page: glass buttons into the chapters, the course picture and a
// short welcome whose links name the pages they lead to.
#include <QString>

#include "platform/Forms.h"

class TfmStartseite : public TForm {
  Q_OBJECT
 public:
  using TForm::TForm;

 public slots:
  // The picture comes from the program's pictures.
  void FormCreate(QObject* Sender);
  // Shared by all eight buttons: asks for the page the clicked button's Tag
  // names, recorded in the history.
  void PCVGlassButton1Click(QObject* Sender);
  // A link target is a page number in decimal text; anything else is ignored.
  void MiniHTML3Hyperjump(QObject* Sender, const QString& URL);
};
