#include "shell/Base.h"

#include "platform/UserMessage.h"
#include "shell/MessageProcs.h"
#include "shell/Messages.h"

TfmBase::TfmBase(QWidget* Parent) : TForm(Parent) {
  // Neither caption nor sizing frame when the page stands on its own.
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
}

void TfmBase::ShowMessageText(const QString& Text) { ShowMessageWindow(QString::fromUtf8(InfoCaption), Text); }

// A docked page's top-level window is the main window; the value 1 asks it to
// record the step in the history.
void TfmBase::XShape3Click(QObject*) { PostUserMessage(window(), PreviousPageCode, 1); }
void TfmBase::XShape4Click(QObject*) { PostUserMessage(window(), NextPageCode, 1); }
