// What a screen reader finds on every page of the course: the tree of
// accessible interfaces (no accessibility bus needed) as the program builds
// it for the real pages in the main window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "components/MyHtml.h"
#include "pages/PageClasses.h"
#include "platform/ControlAccessible.h"
#include "platform/Dialogs.h"
#include "platform/StdControls.h"
#include "scene/PCVGlass.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/ShellAccessibles.h"
#include "support/MessageRecorder.h"

namespace {

bool Interactive(QAccessible::Role Role) {
  switch (Role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Link:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::PageTab: return true;
    default: return false;
  }
}

QString Describe(QAccessibleInterface* Node) {
  QObject* Object = Node->object();
  const QString Class = Object ? QString::fromLatin1(Object->metaObject()->className()) : QStringLiteral("-");
  const QString Name = Object && !Object->objectName().isEmpty()
                           ? Object->objectName()
                           : (Object && Object->parent() ? Object->parent()->objectName() : QString());
  return QStringLiteral("%1 %2 (role %3)").arg(Class, Name).arg(int(Node->role()));
}

struct TPageSurvey {
  QStringList Unnamed;  // interactive or focusable elements without a name
  qsizetype LongestText = 0;
};

void Survey(QAccessibleInterface* Node, TPageSurvey& Out) {
  if (!Node || Node->state().invisible) return;
  const QAccessible::Role Role = Node->role();
  const QString Name = Node->text(QAccessible::Name).trimmed();
  if (Interactive(Role) || Node->state().focusable) {
    if (Role == QAccessible::NoRole || Role == QAccessible::Client || Name.isEmpty()) Out.Unnamed << Describe(Node);
  }
  if (Role == QAccessible::StaticText) Out.LongestText = std::max(Out.LongestText, Name.size());
  for (int I = 0; I < Node->childCount(); ++I) Survey(Node->child(I), Out);
}

// The longest text the page shows in its labels and page texts.
qsizetype LongestShownText(const QWidget* Page) {
  qsizetype Longest = 0;
  for (const QWidget* W : Page->findChildren<QWidget*>()) {
    if (!W->isVisible()) continue;
    if (const auto* Html = qobject_cast<const TMiniHTML*>(W))
      Longest = std::max(Longest, QString::fromStdString(Html->Plain().Text).size());
    else if (const auto* Label = qobject_cast<const TLabel*>(W))
      Longest = std::max(Longest, Label->Caption().size());
  }
  return Longest;
}

}  // namespace

TEST(PageAccessibility, EveryPageNamesItsControlsAndReadsItsText) {
  RegisterProgramClasses();
  TMessagePresenterScope Dialogs([](const TMessageRequest&) { return mrOk; });
  TMessageRecorder Messages;
  TfmMain Main;
  Main.show();
  QCoreApplication::sendPostedEvents();
  TMMX& Course = Main.MMX();
  int Pages = 0;
  for (const TPageRow& Row : Course.Model().Pages().Rows()) {
    Course.GotoPage(Row.Page, false);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(Course.CurrentPage(), Row.Page);
    ++Pages;
    QWidget* Page = Course.CurrentPageForm();
    SCOPED_TRACE("page " + std::to_string(Row.Page));

    TPageSurvey Window;
    Survey(QAccessible::queryAccessibleInterface(&Main), Window);
    EXPECT_EQ(Window.Unnamed, QStringList());

    QAccessibleInterface* Pane = QAccessible::queryAccessibleInterface(Page);
    EXPECT_FALSE(Pane->text(QAccessible::Name).isEmpty());
    EXPECT_FALSE(Pane->text(QAccessible::Description).isEmpty());
    // Its task text reaches the reader (a page without any text of twenty
    // characters, the game board, at least its longest one).
    TPageSurvey Texts;
    Survey(Pane, Texts);
    EXPECT_GE(Texts.LongestText, std::min<qsizetype>(20, LongestShownText(Page)));

    // The focus has moved into the page, and Tab reaches every glass
    // button (the check button among them).
    QWidget* Focus = Main.focusWidget();
    EXPECT_TRUE(Focus && Page->isAncestorOf(Focus)) << (Focus ? Focus->objectName().toStdString() : "none");
    EXPECT_EQ(Focus, FirstFocusOf(Page));
    for (const TPCVGlassButton* Button : Page->findChildren<TPCVGlassButton*>())
      EXPECT_TRUE(!Button->isVisible() || (Button->focusPolicy() & Qt::TabFocus)) << Button->objectName().toStdString();
  }
  EXPECT_EQ(Pages, Course.Model().Pages().Count());
  EXPECT_GE(Pages, 42);
}

TEST(PageAccessibility, AnswerControlsLeavePageKeysToTheMenu) {
  RegisterProgramClasses();
  TMessagePresenterScope Dialogs([](const TMessageRequest&) { return mrOk; });
  TfmMain Main;
  Main.show();
  QCoreApplication::sendPostedEvents();
  // The page keys (Ctrl with an arrow, Home or End) still turn the page when
  // the focus is in the page's first answer: a choice (140), a number field
  // (110), a masked field (330).
  for (const int Page : {140, 110, 330}) {
    Main.MMX().GotoPage(Page, false);
    QWidget* Focus = Main.focusWidget();
    ASSERT_NE(Focus, nullptr);
    for (const int Key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End}) {
      // What the menu's shortcut asks first: a control that accepts keeps the key.
      QKeyEvent Override(QEvent::ShortcutOverride, Key, Qt::ControlModifier);
      Override.ignore();
      QApplication::sendEvent(Focus, &Override);
      EXPECT_FALSE(Override.isAccepted()) << "page " << Page << ", key " << Key;
    }
  }
}

// What is only drawn reaches the reader too: the moving bodies of 320 (their
// places follow the animation), number lines without a pointer, the sign
// button of 330.
TEST(PageAccessibility, DrawnFiguresSayWhatTheyShow) {
  RegisterProgramClasses();
  TMessagePresenterScope Dialogs([](const TMessageRequest&) { return mrOk; });
  TfmMain Main;
  Main.show();
  QCoreApplication::sendPostedEvents();
  Main.MMX().GotoPage(320, false);
  QWidget* Page = Main.MMX().CurrentPageForm();
  auto* Bodies = Page->findChild<QWidget*>(QStringLiteral("PaintBox1"));
  ASSERT_NE(Bodies, nullptr);
  QAccessibleInterface* Figure = QAccessible::queryAccessibleInterface(Bodies);
  EXPECT_EQ(Figure->role(), QAccessible::Graphic);
  EXPECT_FALSE(Figure->text(QAccessible::Name).isEmpty());
  EXPECT_TRUE(Figure->text(QAccessible::Description).startsWith("Nach 0 s: Körper 1 bei 0; Körper 2 bei 7;"));
  for (const char* Beam : {"Beam1", "Beam4"})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Page->findChild<QWidget*>(Beam))->text(QAccessible::Description),
              "von 0 bis 9");
  QList<QObject*> Changed;
  const TAccessibleObserver Old = SetAccessibleObserver([&](QAccessible::Event Type, QObject* Object) {
    if (Type == QAccessible::DescriptionChanged) Changed << Object;
  });
  ASSERT_TRUE(QMetaObject::invokeMethod(Page, "Timer1Timer", Q_ARG(QObject*, nullptr)));
  SetAccessibleObserver(Old);
  EXPECT_EQ(Changed, QList<QObject*>{Bodies});
  EXPECT_EQ(Figure->text(QAccessible::Description),
            "Nach 1 s: Körper 1 bei 0,5; Körper 2 bei 6,8; Körper 3 bei 0,25; Körper 4 bei 0,025.");

  Main.MMX().GotoPage(330, false);
  QWidget* Try = Main.MMX().CurrentPageForm()->findChild<QWidget*>(QStringLiteral("MMButton1"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Try)->text(QAccessible::Name), "Ausprobieren");
}
