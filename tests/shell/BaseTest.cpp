#include <gtest/gtest.h>

#include <QApplication>
#include <QList>
#include <QPair>
#include <memory>

#include "components/ComponentClasses.h"
#include "platform/Graphics.h"
#include "platform/PlatformClasses.h"
#include "platform/UserMessage.h"
#include "shell/Base.h"
#include "shell/ShellClasses.h"
#include "support/MessageRecorder.h"

namespace {

// Stands in for the main window: collects the posted navigation messages.
class TMessageSink : public QWidget {
 public:
  QList<QPair<int, int>> Received;

 protected:
  bool event(QEvent* Event) override {
    if (Event->type() == TUserMessageEvent::UserMessageType) {
      const auto* Message = static_cast<TUserMessageEvent*>(Event);
      Received.append({Message->Code(), Message->Param()});
      return true;
    }
    return QWidget::event(Event);
  }
};

class BaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPlatformClasses();
    RegisterComponentClasses();
    RegisterShellClasses();
  }
};

TEST_F(BaseTest, DesignIsABorderlessSilverPage) {
  std::unique_ptr<TfmBase> Page = CreateForm<TfmBase>();
  EXPECT_EQ(Page->ClientWidth(), 792);
  EXPECT_EQ(Page->ClientHeight(), 476);
  EXPECT_EQ(Page->Color(), clSilver);
  EXPECT_EQ(Page->Font()->Height(), -17);
  EXPECT_TRUE(Page->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(BaseTest, StepHandlersPostToTheHostWindowAfterTheHandler) {
  TMessageSink Main;
  auto Page = std::make_unique<TfmBase>(&Main);
  Page->LoadDesign();
  Page->XShape3Click(nullptr);
  Page->XShape4Click(nullptr);
  EXPECT_TRUE(Main.Received.isEmpty()) << "posted, not sent";
  QApplication::processEvents();
  const QList<QPair<int, int>> Expected = {{-1, 1}, {1, 1}};
  EXPECT_EQ(Main.Received, Expected);
}

TEST_F(BaseTest, ClassProcedureShowsTheTextUnderMeldung) {
  TMessageRecorder Seen;
  TfmBase::ShowMessageText("Hallo");
  ASSERT_EQ(Seen.Count(), 1);
  EXPECT_EQ(Seen.Last(), (TRecordedMessage{"Meldung", "Hallo"}));
}

}  // namespace
