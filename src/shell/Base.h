#pragma once
// The base page design: a borderless page with handlers for stepping to the
// previous and the next page. The course's pages are built from their own
// designs; this one is for pages that want the common frame.
#include <QString>

#include "platform/Forms.h"

class TfmBase : public TForm {
  Q_OBJECT
 public:
  explicit TfmBase(QWidget* Parent = nullptr);

  // Codes of the main window's navigation message.
  static constexpr int PreviousPageCode = -1;
  static constexpr int NextPageCode = 1;

  // Shows Text in the message window under "Meldung".
  static void ShowMessageText(const QString& Text);

 public slots:
  // Ask the window that holds the page for the previous / next page. The
  // request is posted, so the page is never freed inside its own handler.
  void XShape3Click(QObject* Sender);
  void XShape4Click(QObject* Sender);
};
