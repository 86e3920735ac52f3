// One application object for the whole test binary (offscreen platform), then
// the tests. A message dialog that a test did not expect fails that test
// instead of waiting for a click; tests that expect one install their own
// presenter (TMessagePresenterScope); the same holds for the message
// window (TMessageRecorder) and the term input window (TTermInputScope).
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/MessageProcs.h"
#include "terms/TermInput.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  TApplication App(argc, argv);
  SetMessagePresenter([](const TMessageRequest& Request) {
    ADD_FAILURE() << "unexpected message dialog \"" << Request.Caption.toStdString() << "\": "
                  << Request.Text.toStdString();
    return mrCancel;
  });
  SetMessageWindowPresenter([](const QString& Caption, const QString& Text, const QString&) {
    ADD_FAILURE() << "unexpected message window \"" << Caption.toStdString() << "\": " << Text.toStdString();
  });
  SetTermInputPresenter([]() -> TTermInput {
    ADD_FAILURE() << "unexpected term input window";
    return std::nullopt;
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
