#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "platform/FormDesigns.h"
#include "platform/FormErrors.h"
#include "platform/StdControls.h"
#include "shell/LearnPathImage.h"
#include "shell/PageForms.h"

TEST(DesignedPages, MadeByClassNameFromTheirDesign) {
  TfmShellDemoPage::Register();
  const TPageFactory Factory = DesignedPageFactory();
  QWidget Host;
  EXPECT_EQ(Factory("TfmRVNotBuiltYet", &Host), nullptr);
  EXPECT_EQ(Factory("TPanel", &Host), nullptr);  // a component, not a form
  std::unique_ptr<QWidget> Page = Factory("TfmShellDemoPage", &Host);
  ASSERT_NE(Page, nullptr);
  auto* Form = qobject_cast<TfmShellDemoPage*>(Page.get());
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->parentWidget(), &Host);
  EXPECT_TRUE(Form->DesignLoaded());
  EXPECT_EQ(Form->PageAtCreation, 0);  // its creation handler ran
  EXPECT_NE(Form->FindComponent("Panel1"), nullptr);
}

TEST(DesignedPages, ShownByTheCourse) {
  TfmShellDemoPage::Register();
  TShownMain M;
  M.Course().PageFactory = [Designed = DesignedPageFactory(), Others = M.Pages.Factory()](const std::string& Class,
                                                                                       QWidget* Parent) {
    return Class == "TfmRVBrems" ? Designed("TfmShellDemoPage", Parent) : Others(Class, Parent);
  };
  M.Goto(120);
  auto* Form = qobject_cast<TfmShellDemoPage*>(M.Course().CurrentPageForm());
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->PageAtCreation, 120);
  EXPECT_EQ(Form->size(), M.Main->Panel2->size());
  EXPECT_EQ(Form->Font()->Name(), "Tahoma");
  EXPECT_EQ(Form->Font()->Size(), 11);
  // The learning-path buttons lie on the content panel.
  auto* Panel = Form->Component<TPanel>("Panel1");
  const QList<TLearnPathImage*> Images = Form->findChildren<TLearnPathImage*>();
  ASSERT_EQ(Images.size(), 2);
  for (const TLearnPathImage* Image : Images) EXPECT_EQ(Image->parentWidget(), Panel);

  // A design that cannot be loaded reaches the error dialog; the page
  // shown stays.
  M.Goto(130);
  UnregisterFormDesign("TfmShellDemoPage");
  EXPECT_THROW(M.Course().GotoPage(120, true), EFormError);
  EXPECT_EQ(M.Course().CurrentPage(), 130);
  TfmShellDemoPage::Register();
}
