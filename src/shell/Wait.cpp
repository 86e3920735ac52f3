#include "shell/Wait.h"

#include <QCoreApplication>

TfmWait::TfmWait(QWidget* Parent) : TForm(Parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

TfmWait::~TfmWait() = default;

void TfmWait::ShowWaiting() {
  SetPosition(poScreenCenter);
  setFixedSize(size());
  show();
  raise();
  QCoreApplication::processEvents();
}
