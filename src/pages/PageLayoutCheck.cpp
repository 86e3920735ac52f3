#include "pages/PageLayoutCheck.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QWidget>
#include <map>

#include "common/TextFootprints.h"
#include "components/MyHtml.h"
#include "components/RRGrid.h"
#include "pages/ExercisePage.h"
#include "platform/Dialogs.h"
#include "platform/Edit.h"
#include "platform/MaskEdit.h"
#include "platform/StdControls.h"
#include "platform/UpDown.h"
#include "scene/MMButton.h"
#include "scene/MMCombo.h"
#include "scene/PCVGlass.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"

namespace {

// QLineEdit keeps two pixels on each side of its text and one for the cursor.
constexpr int LineEditTextMargin = 2 * 2 + 1;
// A glass or scene button keeps its caption clear of its rounded edge.
constexpr int ButtonTextMargin = 2 * 4;
// Texts of different controls closer than this read as touching.
constexpr int MinTextGap = 3;

TRect ToTRect(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }

QString Stripped(QString Caption) {
  // "&Weiter" shows "Weiter"; "&&" shows one "&".
  Caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  Caption.remove(QLatin1Char('&'));
  Caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return Caption;
}

class TLayoutInspector {
 public:
  explicit TLayoutInspector(QWidget& Page) : FPage(Page) {}

  QStringList Inspect() {
    std::map<const QWidget*, const TUpDown*> Spinners;
    for (const TUpDown* UpDown : FPage.findChildren<TUpDown*>())
      if (UpDown->Associate()) Spinners[UpDown->Associate()] = UpDown;
    for (QWidget* W : FPage.findChildren<QWidget*>()) {
      if (!W->isVisibleTo(&FPage) || W->width() <= 0 || W->height() <= 0) continue;
      if (auto* Term = qobject_cast<TMMTerm*>(W)) {
        InspectTerm(*Term);
      } else if (auto* Label = qobject_cast<TLabel*>(W)) {
        InspectLabel(*Label);
      } else if (auto* Html = qobject_cast<TMiniHTML*>(W)) {
        InspectHtml(*Html);
      } else if (auto* Grid = qobject_cast<TRRGrid*>(W)) {
        InspectGrid(*Grid);
      } else if (auto* Edit = qobject_cast<TEdit*>(W)) {
        const auto Spinner = Spinners.find(Edit);
        QStringList Texts{Edit->Text()};
        if (Spinner != Spinners.end())
          Texts << QString::number(Spinner->second->Min()) << QString::number(Spinner->second->Max());
        InspectLineEdit(*Edit, *Edit->LineEdit(), Texts);
      } else if (auto* Masked = qobject_cast<TMaskEdit*>(W)) {
        InspectLineEdit(*Masked, *Masked->LineEdit(), {Masked->LineEdit()->displayText()});
      } else if (auto* Combo = qobject_cast<TMMCombo*>(W)) {
        InspectCombo(*Combo);
      } else if (qobject_cast<TPCVGlassButton*>(W) || qobject_cast<TMMButton*>(W)) {
        InspectButton(*static_cast<TControl*>(W));
      } else if (W->objectName().startsWith(QLatin1String("LearnPath"))) {
        AddFootprint(*W, W->rect(), true);  // the learning path's arrows lie over the page
      }
    }
    for (const auto& [I, J] : CrowdedFootprints(FFootprints, MinTextGap))
      FProblems << QStringLiteral("%1 and %2 overlap or touch")
                       .arg(QString::fromStdString(FFootprints[I].Control),
                            QString::fromStdString(FFootprints[J].Control));
    return FProblems;
  }

 private:
  void Problem(const QWidget& W, const QString& Text) { FProblems << W.objectName() + QStringLiteral(": ") + Text; }

  void TooSmall(const QWidget& W, const QString& What, QSize Need, QSize Room) {
    Problem(W, QStringLiteral("%1 needs %2 x %3 px, has %4 x %5 px")
                   .arg(What)
                   .arg(Need.width())
                   .arg(Need.height())
                   .arg(Room.width())
                   .arg(Room.height()));
  }

  // Local is in W's pixels; it must also lie on the page. A framed
  // footprint is a field or box whose frame holds its text.
  void AddFootprint(const QWidget& W, const QRect& Local, bool Framed = false) {
    const QRect OnPage(W.mapTo(&FPage, Local.topLeft()), Local.size());
    if (!FPage.rect().contains(OnPage)) Problem(W, QStringLiteral("reaches beyond the page"));
    FFootprints.push_back({W.objectName().toStdString(), ToTRect(OnPage), Framed});
  }

  void InspectLabel(const TLabel& L) {
    const QString Text = L.Caption();
    if (Text.isEmpty()) return;
    const QFontMetrics Metrics(L.Font()->ToQFont());
    const QRect Drawn = Metrics.boundingRect(L.rect(), L.TextFlags(), Text);
    // Below the last line only descenders reach into the font's descent.
    if (Drawn.width() > L.width() || Drawn.height() - Metrics.descent() > L.height())
      TooSmall(L, QStringLiteral("text"), Drawn.size(), L.size());
    AddFootprint(L, Drawn.intersected(L.rect()));
  }

  // The words of a text, and the room they need from the text's corner.
  static QSize Extent(const std::vector<TRect>& Words) {
    QSize Need;
    for (const TRect& W : Words) Need = Need.expandedTo(QSize(W.Right, W.Bottom));
    return Need;
  }

  void InspectHtml(TMiniHTML& H) {
    const std::vector<TRect> Words = H.WordBoxes();
    const QSize Need = Extent(Words);
    if (Need.width() > H.width() || Need.height() > H.height()) TooSmall(H, QStringLiteral("text"), Need, H.size());
    for (const TRect& W : Words) AddFootprint(H, QRect(W.Left, W.Top, W.Width(), W.Height()).intersected(H.rect()));
  }

  void InspectGrid(TRRGrid& G) {
    const int Cols = std::max(1, G.ColCount());
    for (int I = 0; I < G.Cells().size(); ++I) {
      TMiniHTML* Text = G.CellText(I);
      const std::vector<TRect> Words = Text ? Text->WordBoxes() : std::vector<TRect>();
      if (Words.empty()) continue;
      const TRect Cell = G.CellRect(I % Cols, I / Cols);
      // Cell texts start at the grid's text offsets and end one pixel before
      // the cell's right and bottom edge.
      const QPoint Origin(G.ClientOffset() + Cell.Left + G.XCellTextOffset(),
                          G.ClientOffset() + Cell.Top + G.YCellTextOffset());
      const QSize Room(Cell.Width() - G.XCellTextOffset() - 1, Cell.Height() - G.YCellTextOffset() - 1);
      const QSize Need = Extent(Words);
      if (Need.width() > Room.width() || Need.height() > Room.height())
        TooSmall(G, QStringLiteral("cell %1, %2").arg(I % Cols).arg(I / Cols), Need, Room);
      for (const TRect& W : Words)
        AddFootprint(G, QRect(Origin + QPoint(W.Left, W.Top), QSize(W.Width(), W.Height()))
                            .intersected(QRect(Origin, Room)));
    }
  }

  void InspectLineEdit(const QWidget& Control, const QLineEdit& Edit, const QStringList& Texts) {
    QStyleOptionFrame Option;
    Option.initFrom(&Edit);
    Option.rect = Edit.rect();
    Option.lineWidth = Edit.hasFrame() ? Edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &Option, &Edit) : 0;
    const QRect Contents = Edit.style()->subElementRect(QStyle::SE_LineEditContents, &Option, &Edit);
    const int Room = Contents.width() - Edit.textMargins().left() - Edit.textMargins().right() - LineEditTextMargin;
    const QFontMetrics Metrics(Edit.font());
    for (const QString& Text : Texts)
      if (Metrics.horizontalAdvance(Text) > Room)
        TooSmall(Control, QStringLiteral("\"%1\"").arg(Text), QSize(Metrics.horizontalAdvance(Text), Metrics.height()),
                 QSize(Room, Contents.height()));
    AddFootprint(Control, Control.rect(), true);
  }

  void InspectCombo(const TMMCombo& C) {
    const QComboBox& Box = C.Box();
    QStyleOptionComboBox Option;
    Option.initFrom(&Box);
    Option.editable = Box.isEditable();
    Option.frame = Box.hasFrame();
    Option.rect = Box.rect();
    const QRect Field = Box.style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, &Box);
    const QFontMetrics Metrics(Box.font());
    for (int I = 0; I < Box.count(); ++I) {
      const int Need = Metrics.horizontalAdvance(Box.itemText(I));
      if (Need > Field.width())
        TooSmall(C, QStringLiteral("item \"%1\"").arg(Box.itemText(I)), QSize(Need, Metrics.height()), Field.size());
    }
    AddFootprint(C, C.rect(), true);
  }

  void InspectButton(const TControl& B) {
    const QString Text = Stripped(B.Caption());
    const QFontMetrics Metrics(B.Font()->ToQFont());
    const QSize Need(Metrics.horizontalAdvance(Text), Metrics.height());
    const QSize Room(B.width() - ButtonTextMargin, B.height());
    if (!Text.isEmpty() && (Need.width() > Room.width() || Need.height() > Room.height()))
      TooSmall(B, QStringLiteral("caption"), Need, Room);
    AddFootprint(B, B.rect(), true);
  }

  void InspectTerm(const TMMTerm& T) {
    bool Fits = true;
    T.CaptionFont(&Fits);
    if (!Fits) Problem(T, QStringLiteral("the term \"%1\" does not fit even at the smallest size").arg(T.Caption()));
    AddFootprint(T, T.rect(), true);
  }

  QWidget& FPage;
  QStringList FProblems;
  std::vector<TTextFootprint> FFootprints;
};

// Runs what is queued (the navigation message, repaints) until Done.
template <class TDone>
bool WaitFor(TDone Done) {
  const QDeadlineTimer Deadline(10000);
  while (!Done() && !Deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  for (int I = 0; I < 4; ++I) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return Done();
}

}  // namespace

QStringList PageLayoutProblems(QWidget& Page, const QString& Where) {
  QStringList Problems;
  for (const QString& P : TLayoutInspector(Page).Inspect()) Problems << Where + P;
  return Problems;
}

int RunLayoutCheck(TfmMain& Main, const std::vector<int>& Requested, QTextStream& Out) {
  TMMX& Course = Main.MMX();
  std::vector<int> Pages = Requested;
  if (Pages.empty())
    for (const TTocNodeId Id : Course.Model().Contents().CourseOrder()) {
      const int Page = Course.Model().Contents().Node(Id).Page;
      if (Page >= 0 && !Course.Model().Pages().ClassOf(Page).empty()) Pages.push_back(Page);
    }

  // Messages a page shows on its way are answered, never waited for.
  const TMessageCapture OldCapture = SetMessageCapture([](const TShownMessage&) {});
  const TMessagePresenterScope Dialogs(
      [](const TMessageRequest& R) { return (R.Buttons & ButtonSet({mbYes})) ? mrYes : mrOk; });
  WaitFor([&] { return Course.CurrentPageForm() && !Main.FirstShowPending(); });

  int Status = 0;
  int Problems = 0;
  for (const int Page : Pages) {
    if (!Course.Model().Contents().Contains(Page)) {
      Out << QStringLiteral("page %1 does not exist").arg(Page) << Qt::endl;
      Status = 2;
      continue;
    }
    Course.PostGotoPage(Page, true);
    if (!WaitFor([&] { return Course.Model().CurrentPage() == Page && !Course.Navigating(); })) {
      Out << QStringLiteral("page %1 could not be shown").arg(Page) << Qt::endl;
      Status = 2;
      continue;
    }
    QWidget& Form = *Course.CurrentPageForm();
    // A problem is told once, at the first stage that shows it.
    QSet<QString> Told;
    const auto Check = [&](int Stage) {
      const QString Where = QStringLiteral("page %1, stage %2: ").arg(Page).arg(Stage);
      for (const QString& P : PageLayoutProblems(Form, QString())) {
        if (Told.contains(P)) continue;
        Told.insert(P);
        Out << Where << P << Qt::endl;
        ++Problems;
      }
    };
    Check(0);
    if (const auto* Exercise = qobject_cast<const TExercisePage*>(&Form)) {
      int Stage = 0;
      for (const QStringList& Names : Exercise->Reveals()) {
        for (const QString& Name : Names)
          if (auto* Control = Form.findChild<QWidget*>(Name)) Control->setVisible(true);
        Check(++Stage);
      }
    }
  }
  SetMessageCapture(OldCapture);
  Out << QStringLiteral("Checked %1 pages: %2 problem(s).").arg(Pages.size()).arg(Problems) << Qt::endl;
  if (Status != 0) return Status;
  return Problems > 0 ? 1 : 0;
}
