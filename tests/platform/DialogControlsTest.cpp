// The standard controls of dialogs: text field, buttons with modal results,
// key preview, modal showing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "platform/BitBtn.h"
#include "platform/Edit.h"
#include "platform/Forms.h"
#include "support/ModalGuard.h"

namespace {

void PressKey(QWidget* Target, int Key, const QString& Text = {}) {
  QKeyEvent Press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
  QCoreApplication::sendEvent(Target, &Press);
}

struct TDialog {
  TForm Form;
  TEdit* Edit = new TEdit(&Form);
  TBitBtn* Ok = new TBitBtn(&Form);
  TBitBtn* Cancel = new TBitBtn(&Form);
  TBitBtn* Other = new TBitBtn(&Form);
  TDialog() {
    Ok->SetKind(bkOK);
    Cancel->SetKind(bkCancel);
    Other->SetCaption("&Mehr");
    Form.show();
    Edit->SetFocus();
  }
};

TEST(DialogControls, KindsGiveCaptionsResultsAndKeys) {
  TDialog D;
  EXPECT_EQ(D.Ok->Caption(), "OK");
  EXPECT_EQ(D.Cancel->Caption(), "Abbrechen");
  EXPECT_EQ(D.Ok->ModalResult(), mrOk);
  EXPECT_TRUE(D.Ok->Default());
  EXPECT_TRUE(D.Cancel->Cancel());
  EXPECT_EQ(D.Other->ModalResult(), mrNone);

  const struct {
    const char* Name;
    std::function<void()> Act;
    TModalResult Expected;
  } Cases[] = {
      {"Enter in the field", [&] { PressKey(D.Edit->LineEdit(), Qt::Key_Return); }, mrOk},
      {"Escape in the field", [&] { PressKey(D.Edit->LineEdit(), Qt::Key_Escape); }, mrCancel},
      {"Enter on the cancel button", [&] { D.Cancel->SetFocus(); PressKey(D.Cancel->Button(), Qt::Key_Return); }, mrCancel},
      {"Cancel clicked", [&] { D.Cancel->Button()->click(); }, mrCancel},
  };
  for (const auto& C : Cases) {
    D.Edit->SetFocus();
    TModalGuard Guard;
    QTimer::singleShot(0, &D.Form, [&] {
      D.Other->Button()->click();  // no result of its own: the window stays
      C.Act();
    });
    EXPECT_EQ(D.Form.ShowModal(), C.Expected) << C.Name;
  }
}

TEST(DialogControls, AClickHandlerMayKeepTheWindowOpen) {
  TDialog D;
  int Clicks = 0;
  D.Ok->OnClick = [&](QObject*) {
    if (++Clicks == 1) D.Form.SetModalResult(mrNone);
  };
  TModalGuard Guard;
  QTimer::singleShot(0, &D.Form, [&] {
    D.Ok->Button()->click();
    QTimer::singleShot(0, &D.Form, [&] { D.Ok->Button()->click(); });
  });
  EXPECT_EQ(D.Form.ShowModal(), mrOk);
  EXPECT_EQ(Clicks, 2);
}

TEST(DialogControls, KeyPreviewSeesEveryKeyOnceBeforeTheControl) {
  TDialog D;
  D.Form.SetKeyPreview(true);
  QList<int> Seen;
  D.Form.OnKeyDown = [&](QObject*, int& Key, int) {
    Seen.append(Key);
    if (Key == Qt::Key_B) Key = 0;  // taken by the form
  };
  PressKey(D.Edit->LineEdit(), Qt::Key_A, "a");
  PressKey(D.Edit->LineEdit(), Qt::Key_B, "b");
  PressKey(D.Edit->LineEdit(), Qt::Key_F5);  // the field leaves it to its parents
  EXPECT_EQ(Seen, (QList<int>{Qt::Key_A, Qt::Key_B, Qt::Key_F5}));
  EXPECT_EQ(D.Edit->Text(), "a");
}

TEST(DialogControls, EditReportsChangesAndReplacesTheSelection) {
  TEdit Edit;
  int Changes = 0;
  Edit.OnChange = [&](QObject*) { ++Changes; };
  Edit.SetText("a+b");
  Edit.SetText("a+b");
  EXPECT_EQ(Changes, 1);
  Edit.SetSelStart(1);
  Edit.SetSelLength(1);
  EXPECT_EQ(Edit.SelText(), "+");
  Edit.SetSelText("*");
  EXPECT_EQ(Edit.Text(), "a*b");
  EXPECT_EQ(Edit.SelStart(), 2);
  Edit.SetMaxLength(4);
  Edit.SetSelText("cd");
  EXPECT_EQ(Edit.Text(), "a*cb");
  EXPECT_EQ(Changes, 3);
}

}  // namespace
