#include "shell/CoursePlayer.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

#include "common/Random.h"
#include "platform/Dialogs.h"
#include "platform/Edit.h"
#include "platform/Forms.h"
#include "platform/MaskEdit.h"
#include "platform/Timer.h"
#include "platform/UpDown.h"
#include "components/TimerEx.h"
#include "scene/MMCombo.h"
#include "shell/CourseScript.h"
#include "shell/MMX.h"
#include "shell/Main.h"
#include "shell/MessageProcs.h"
#include "terms/MMTerm.h"
#include "terms/TermInput.h"

namespace {

// A message a pupil would have seen; Dialog for the plain message dialogs.
struct TSeen {
  std::optional<TMessageProc> Proc;  // none: a dialog
  int N = 0;
  QString Text;
  QString Tip;
};

QString ProcName(const TSeen& M) {
  if (!M.Proc) return QStringLiteral("dialog");
  switch (*M.Proc) {
    case TMessageProc::Window: return QStringLiteral("message");
    case TMessageProc::Error: return QStringLiteral("error");
    case TMessageProc::Info: return QStringLiteral("info");
    case TMessageProc::Praise: return QStringLiteral("praise");
    case TMessageProc::StillWrong: return QStringLiteral("still-wrong");
    case TMessageProc::FieldError: return QStringLiteral("field-error %1").arg(M.N);
    case TMessageProc::LineError: return QStringLiteral("line-error %1").arg(M.N);
  }
  return {};
}

QString Describe(const TSeen& M) {
  QString D = QStringLiteral("%1 \"%2\"").arg(ProcName(M), M.Text);
  if (!M.Tip.isEmpty()) D += QStringLiteral(" tip \"%1\"").arg(M.Tip);
  return D;
}

// A script line that cannot be played.
struct EBroken {
  QString Reason;
};

class TCoursePlayer {
 public:
  TCoursePlayer(TfmMain& Main, QString File, QTextStream& Out) : FMain(Main), FFile(std::move(File)), FOut(Out) {}

  int Play(const TCourseScript& Script);

 private:
  void Run(const TScriptCommand& C);
  void Expect(const TScriptCommand& C);
  void Goto(const TScriptCommand& C);
  void Answer(const TScriptCommand& C);
  void Tick(const TScriptCommand& C);
  void Key(const TScriptCommand& C);

  QWidget* Page() const { return FMain.MMX().CurrentPageForm(); }
  int PageNumber() const { return FMain.MMX().CurrentPage(); }
  QWidget* Resolve(const std::string& Ref) const;
  QObject* ResolveObject(const std::string& Ref) const;
  // Lets posted events (navigation, repaints) run.
  static void Settle();
  void Click(QWidget* Control);
  void Type(QLineEdit* Edit, const QString& Text);
  void Record(TSeen Message) { FSeen.push_back(std::move(Message)); }
  // Counts a verdict and says it in the command's output line.
  void Verdict(bool Ok, const QString& Got);
  // Messages of the last action that no expectation looked at fail the
  // script: a pupil would have seen them.
  void ReportUnchecked();

  TfmMain& FMain;
  QString FFile;
  QTextStream& FOut;
  std::vector<TSeen> FSeen;       // since the last command that acts
  bool FSeenChecked = true;       // a message expectation looked at FSeen
  int FActionLine = 0;            // the line of the last command that acts
  std::optional<QString> FTerm;   // what the term input window answers next
  QString FResult;                // what the command did, for the output line
  int FPassed = 0;
  int FFailed = 0;
};

void TCoursePlayer::Settle() {
  for (int I = 0; I < 4; ++I) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

QObject* TCoursePlayer::ResolveObject(const std::string& Ref) const {
  QWidget* P = Page();
  if (!P) throw EBroken{QStringLiteral("no page is shown")};
  QString Name = QString::fromStdString(Ref);
  if (const int K = AnswerIndexOf(Ref); K > 0) {
    const QStringList Answers = P->property("AnswerList").toStringList();
    if (K > Answers.size())
      throw EBroken{QStringLiteral("page %1 has no answer #%2 (its list has %3)").arg(PageNumber()).arg(K).arg(Answers.size())};
    Name = Answers[K - 1];
  }
  QObject* Found = nullptr;
  if (auto* Form = qobject_cast<TCustomForm*>(P)) Found = Form->FindComponent(Name);
  if (!Found) Found = P->findChild<QObject*>(Name);
  if (!Found) throw EBroken{QStringLiteral("unknown component '%1' on page %2").arg(Name).arg(PageNumber())};
  return Found;
}

QWidget* TCoursePlayer::Resolve(const std::string& Ref) const {
  auto* W = qobject_cast<QWidget*>(ResolveObject(Ref));
  if (!W) throw EBroken{QStringLiteral("'%1' is no control").arg(QString::fromStdString(Ref))};
  return W;
}

// A point of Control that takes a click: the centre, or for figures that
// answer AcceptsPoint the point inside the outline nearest to the centre.
QPoint ClickPoint(QWidget* Control) {
  const QPoint Centre = Control->rect().center();
  const int Index = Control->metaObject()->indexOfMethod("AcceptsPoint(QPoint)");
  if (Index < 0) return Centre;
  auto Accepts = [Control](QPoint P) {
    bool Result = false;
    QMetaObject::invokeMethod(Control, "AcceptsPoint", Qt::DirectConnection, Q_RETURN_ARG(bool, Result), Q_ARG(QPoint, P));
    return Result;
  };
  if (Accepts(Centre)) return Centre;
  const int Reach = std::max(Control->width(), Control->height());
  for (int R = 1; R <= Reach; ++R)
    for (int DY = -R; DY <= R; ++DY)
      for (int DX = -R; DX <= R; ++DX) {
        if (std::max(std::abs(DX), std::abs(DY)) != R) continue;
        const QPoint P = Centre + QPoint(DX, DY);
        if (Control->rect().contains(P) && Accepts(P)) return P;
      }
  return Centre;
}

void TCoursePlayer::Click(QWidget* Control) {
  if (!Control->isVisible()) throw EBroken{QStringLiteral("'%1' is not visible").arg(Control->objectName())};
  const QPoint At = ClickPoint(Control);
  QWidget* Target = Control->childAt(At);
  if (!Target) Target = Control;
  const QPoint Local = Target->mapFrom(Control, At);
  const QPointF Global = Target->mapToGlobal(QPointF(Local));
  const QPointF InWindow = Target->window()->mapFromGlobal(Global);
  QMouseEvent Press(QEvent::MouseButtonPress, QPointF(Local), InWindow, Global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(Target, &Press);
  QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(Local), InWindow, Global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(Target, &Release);
  Settle();
}

void TCoursePlayer::Type(QLineEdit* Edit, const QString& Text) {
  Edit->setFocus(Qt::OtherFocusReason);
  Edit->selectAll();
  // An emptied field first, as a pupil's Delete key would leave it.
  QKeyEvent Delete(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(Edit, &Delete);
  for (const QChar C : Text) {
    QKeyEvent Press(QEvent::KeyPress, 0, Qt::NoModifier, QString(C));
    QApplication::sendEvent(Edit, &Press);
    QKeyEvent Release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(C));
    QApplication::sendEvent(Edit, &Release);
  }
  Settle();
}

void TCoursePlayer::Goto(const TScriptCommand& C) {
  const int Target = static_cast<int>(C.Number);
  if (C.Number < 0 || C.Number > 1000000 || !FMain.MMX().Model().Contents().Contains(Target))
    throw EBroken{QStringLiteral("page %1 does not exist").arg(C.Number)};
  FMain.MMX().PostGotoPage(Target, true);
  const QDeadlineTimer Deadline(10000);
  // Shown, refused with a message, or given up after ten seconds.
  auto Shown = [this, Target] { return PageNumber() == Target && !FMain.MMX().Navigating(); };
  auto Refused = [this] { return !FSeen.empty() && !FMain.MMX().Navigating(); };
  while (!Shown() && !Refused() && !Deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  Settle();
  if (Shown()) {
    FResult = QStringLiteral("shown");
    return;
  }
  // A page that does not come is a failed expectation; the message that
  // refused it (listed after the verdict) belongs to it.
  FSeenChecked = true;
  Verdict(false, FSeen.empty() ? QStringLiteral("page %1 not shown within 10 s").arg(Target)
                               : QStringLiteral("page %1 refused").arg(Target));
}

void TCoursePlayer::Answer(const TScriptCommand& C) {
  QWidget* Control = Resolve(C.Ref);
  const QString Value = QString::fromStdString(C.Value);
  if (!Control->isVisible()) throw EBroken{QStringLiteral("'%1' is not visible").arg(Control->objectName())};
  if (auto* Edit = qobject_cast<TEdit*>(Control)) {
    // A number field's edit stands for its up-down control.
    for (TUpDown* UpDown : Control->parentWidget()->findChildren<TUpDown*>(Qt::FindDirectChildrenOnly))
      if (UpDown->Associate() == Edit) Control = UpDown;
  }
  if (auto* UpDown = qobject_cast<TUpDown*>(Control)) {
    bool Ok = false;
    const int Number = Value.toInt(&Ok);
    if (!Ok || Number < 0) throw EBroken{QStringLiteral("bad number '%1'").arg(Value)};
    if (UpDown->Associate())
      Type(UpDown->Associate()->LineEdit(), Value);
    else
      UpDown->SetPosition(Number);
    FResult = QStringLiteral("position %1").arg(UpDown->Position());
  } else if (auto* Combo = qobject_cast<TMMCombo*>(Control)) {
    const QStringList Items = Combo->Items();
    int Index = static_cast<int>(Items.indexOf(Value));
    if (Index < 0) {
      for (int I = 0; I < Items.size(); ++I)
        if (Items[I].startsWith(Value)) {
          if (Index >= 0) throw EBroken{QStringLiteral("'%1' begins more than one item").arg(Value)};
          Index = I;
        }
    }
    if (Index < 0) throw EBroken{QStringLiteral("'%1' has no item '%2'").arg(Combo->objectName(), Value)};
    Combo->Box().setFocus(Qt::OtherFocusReason);
    Combo->Box().setCurrentIndex(Index);
    emit Combo->Box().activated(Index);
    Settle();
    FResult = QStringLiteral("item %1 \"%2\"").arg(Combo->ItemIndex()).arg(Combo->Text());
  } else if (auto* Term = qobject_cast<TMMTerm*>(Control)) {
    // A text that is no term is refused by the input window, which stays
    // open; the pupil leaves it with Escape and the box keeps its term.
    if (const QString Problem = TermInputProblem(Value); !Problem.isEmpty()) {
      FResult = QStringLiteral("refused \"%1\"").arg(Problem);
      return;
    }
    FTerm = Value;
    Click(Term);
    if (FTerm) {
      FTerm.reset();
      throw EBroken{QStringLiteral("'%1' did not ask for a term").arg(Term->objectName())};
    }
    FResult = QStringLiteral("term \"%1\"").arg(Term->Caption());
  } else if (auto* Masked = qobject_cast<TMaskEdit*>(Control)) {
    Masked->LineEdit()->setFocus(Qt::OtherFocusReason);
    Masked->SetText(Value);
    Settle();
    FResult = QStringLiteral("text \"%1\"").arg(Masked->Text());
  } else if (auto* Edit = qobject_cast<TEdit*>(Control)) {
    Type(Edit->LineEdit(), Value);
    FResult = QStringLiteral("text \"%1\"").arg(Edit->Text());
  } else {
    throw EBroken{QStringLiteral("'%1' takes no answer").arg(Control->objectName())};
  }
}

void TCoursePlayer::Tick(const TScriptCommand& C) {
  QObject* Timer = ResolveObject(C.Ref);
  int Fired = 0;
  // A timer fires only while it runs; a handler may stop it.
  for (long long I = 0; I < C.Number; ++I) {
    if (auto* Plain = qobject_cast<TTimer*>(Timer)) {
      if (!Plain->Enabled()) break;
      Plain->Tick();
    } else if (auto* Ex = qobject_cast<TTimerEx*>(Timer)) {
      if (!Ex->Enabled()) break;
      Ex->OnTimer(Ex);
    } else {
      throw EBroken{QStringLiteral("'%1' is no timer").arg(QString::fromStdString(C.Ref))};
    }
    ++Fired;
    QCoreApplication::sendPostedEvents();
  }
  Settle();
  FResult = QStringLiteral("fired %1 times").arg(Fired);
}

void TCoursePlayer::Key(const TScriptCommand& C) {
  const QKeySequence Sequence(QString::fromStdString(C.Ref));
  if (Sequence.isEmpty() || Sequence[0].key() == Qt::Key_unknown)
    throw EBroken{QStringLiteral("unknown key '%1'").arg(QString::fromStdString(C.Ref))};
  const QKeyCombination Combination = Sequence[0];
  QWidget* Target = QApplication::focusWidget();
  if (!Target) Target = &FMain;
  // The key may change the page and so delete the control it went to.
  const QString TargetName = Target->objectName().isEmpty() ? QString::fromLatin1(Target->metaObject()->className())
                                                            : Target->objectName();
  const QPointer<QWidget> Receiver(Target);
  const int KeyCode = Combination.key();
  const QString Text = KeyCode == Qt::Key_Return ? QStringLiteral("\r")
                       : KeyCode == Qt::Key_Space ? QStringLiteral(" ")
                                                  : QString();
  QKeyEvent Press(QEvent::KeyPress, KeyCode, Combination.keyboardModifiers(), Text);
  QApplication::sendEvent(Target, &Press);
  QKeyEvent Release(QEvent::KeyRelease, KeyCode, Combination.keyboardModifiers(), Text);
  if (Receiver) QApplication::sendEvent(Receiver, &Release);
  Settle();
  FResult = QStringLiteral("to %1").arg(TargetName);
}

void TCoursePlayer::Verdict(bool Ok, const QString& Got) {
  (Ok ? FPassed : FFailed)++;
  const QString Text = Ok ? QStringLiteral("ok") : QStringLiteral("FAILED, got %1").arg(Got);
  FResult = FResult.isEmpty() ? Text : FResult + QStringLiteral("; ") + Text;
}

void TCoursePlayer::ReportUnchecked() {
  if (FSeenChecked) return;
  FSeenChecked = true;
  for (const TSeen& M : FSeen) {
    ++FFailed;
    FOut << QStringLiteral("[%1] FAILED, unexpected %2 after line %3").arg(PageNumber()).arg(Describe(M)).arg(FActionLine)
         << Qt::endl;
  }
}

bool Matches(const TScriptCommand& C, const TSeen& M) {
  const QString Text = QString::fromStdString(C.Value);
  switch (C.Expect) {
    case TExpectKind::Praise: return M.Proc == TMessageProc::Praise;
    case TExpectKind::StillWrong: return M.Proc == TMessageProc::StillWrong;
    case TExpectKind::LineError: return M.Proc == TMessageProc::LineError && M.N == C.Number;
    case TExpectKind::FieldError: return M.Proc == TMessageProc::FieldError && M.N == C.Number;
    case TExpectKind::Error: return M.Proc == TMessageProc::Error && M.Text == Text;
    case TExpectKind::Info: return M.Proc == TMessageProc::Info && M.Text == Text;
    case TExpectKind::Message: return M.Text == Text;
    default: return false;
  }
}

// The text of a design property such as "Brush.Color": each part but the
// last names a component property that holds an object.
QString PropertyText(QObject* Object, const TScriptCommand& C) {
  const QStringList Path = QString::fromStdString(C.Property).split(QLatin1Char('.'));
  QVariant Value;
  for (qsizetype I = 0; I < Path.size(); ++I) {
    Value = Object ? Object->property(Path[I].toLatin1().constData()) : QVariant();
    if (!Value.isValid())
      throw EBroken{QStringLiteral("'%1' has no property %2").arg(QString::fromStdString(C.Ref), QString::fromStdString(C.Property))};
    if (I + 1 < Path.size()) Object = qvariant_cast<QObject*>(Value);
  }
  return Value.toString();
}

void TCoursePlayer::Expect(const TScriptCommand& C) {
  bool Ok = false;
  QString Got;
  if (IsMessageExpectation(C.Expect)) {
    QStringList Seen;
    for (const TSeen& M : FSeen) Seen << Describe(M);
    Got = Seen.isEmpty() ? QStringLiteral("no message") : Seen.join(QStringLiteral(", "));
    Ok = C.Expect == TExpectKind::None ? FSeen.empty() : FSeen.size() == 1 && Matches(C, FSeen.front());
    FSeenChecked = true;
  } else if (C.Expect == TExpectKind::Tip) {
    // The tip of the one message the last action raised.
    const QString Tip = FSeen.size() == 1 ? FSeen.front().Tip : QString();
    Got = FSeen.size() == 1 ? (Tip.isEmpty() ? QStringLiteral("no tip") : QStringLiteral("tip \"%1\"").arg(Tip))
                            : QStringLiteral("%1 messages").arg(FSeen.size());
    Ok = FSeen.size() == 1 && Tip == QString::fromStdString(C.Value);
  } else if (C.Expect == TExpectKind::Page) {
    Ok = PageNumber() == C.Number;
    Got = QStringLiteral("page %1").arg(PageNumber());
  } else if (C.Expect == TExpectKind::Solved || C.Expect == TExpectKind::Unsolved) {
    if (C.Number < 1 || C.Number > TLernstand::MaxPageNumber)
      throw EBroken{QStringLiteral("page %1 does not exist").arg(C.Number)};
    const bool Solved = FMain.MMX().Lernstand().Lernstand().IsSolved(static_cast<int>(C.Number));
    Ok = Solved == (C.Expect == TExpectKind::Solved);
    Got = Solved ? QStringLiteral("solved") : QStringLiteral("unsolved");
  } else if (C.Expect == TExpectKind::Enabled || C.Expect == TExpectKind::Disabled) {
    // Controls, and components such as timers that are switched on and off.
    QObject* Object = ResolveObject(C.Ref);
    bool Enabled = false;
    if (auto* W = qobject_cast<QWidget*>(Object))
      Enabled = W->isEnabled();
    else if (const QVariant Flag = Object->property("Enabled"); Flag.isValid())
      Enabled = Flag.toBool();
    else
      throw EBroken{QStringLiteral("'%1' cannot be enabled or disabled").arg(QString::fromStdString(C.Ref))};
    Got = Enabled ? QStringLiteral("enabled") : QStringLiteral("disabled");
    Ok = Enabled == (C.Expect == TExpectKind::Enabled);
  } else if (C.Expect == TExpectKind::Property) {
    const QString Value = PropertyText(ResolveObject(C.Ref), C);
    Got = QStringLiteral("%1 \"%2\"").arg(QString::fromStdString(C.Property), Value);
    Ok = Value == QString::fromStdString(C.Value);
  } else {
    QWidget* W = Resolve(C.Ref);
    if (C.Expect == TExpectKind::Visible || C.Expect == TExpectKind::Hidden) {
      Got = W->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden");
      Ok = W->isVisible() == (C.Expect == TExpectKind::Visible);
    } else {
      QVariant Caption = W->property("Caption");
      if (!Caption.isValid()) Caption = W->property("Text");
      Got = QStringLiteral("caption \"%1\"").arg(Caption.toString());
      // "today": the German short date ("9.12.2026") of the moment the
      // check runs.
      const QString Wanted =
          C.Today ? QDate::currentDate().toString(QStringLiteral("d.M.yyyy")) : QString::fromStdString(C.Value);
      Ok = Caption.toString() == Wanted;
    }
  }
  Verdict(Ok, Got);
}

void TCoursePlayer::Run(const TScriptCommand& C) {
  FResult.clear();
  if (C.Verb == TScriptVerb::Expect) {
    Expect(C);
    return;
  }
  ReportUnchecked();
  FSeen.clear();
  FSeenChecked = false;
  FActionLine = C.Line;
  switch (C.Verb) {
    case TScriptVerb::Goto: Goto(C); break;
    case TScriptVerb::Answer: Answer(C); break;
    case TScriptVerb::Click: Click(Resolve(C.Ref)); break;
    case TScriptVerb::Check: {
      QObject* Button = CheckButtonOf(Page());
      if (!qobject_cast<QWidget*>(Button)) throw EBroken{QStringLiteral("page %1 has no check button").arg(PageNumber())};
      Click(static_cast<QWidget*>(Button));
      break;
    }
    case TScriptVerb::Tick: Tick(C); break;
    case TScriptVerb::Key: Key(C); break;
    case TScriptVerb::Seed:
      RandomSeed(static_cast<unsigned>(C.Number));
      break;
    case TScriptVerb::Screenshot: {
      const QString Name = QString::fromStdString(C.Ref);
      QDir().mkpath(QFileInfo(Name).absolutePath());
      if (!FMain.grab().save(Name)) throw EBroken{QStringLiteral("cannot write '%1'").arg(Name)};
      FResult = QFileInfo(Name).absoluteFilePath();
      break;
    }
    case TScriptVerb::Expect: break;
  }
  QStringList Seen;
  for (const TSeen& M : FSeen) Seen << Describe(M);
  if (!Seen.isEmpty()) FResult += (FResult.isEmpty() ? QString() : QStringLiteral("; ")) + Seen.join(QStringLiteral("; "));
  if (FSeen.empty()) FSeenChecked = true;
}

int TCoursePlayer::Play(const TCourseScript& Script) {
  // Every message is recorded, every dialog answered with its first choice,
  // and the term input window answers with the script's term.
  const TMessageCapture OldCapture = SetMessageCapture([this](const TShownMessage& M) {
    Record({M.Proc, M.N, M.Text, M.Tip});
  });
  const TMessagePresenterScope Dialogs([this](const TMessageRequest& R) {
    Record({std::nullopt, 0, R.Text, {}});
    return (R.Buttons & ButtonSet({mbYes})) ? mrYes : mrOk;
  });
  const TTermInputPresenter OldInput = SetTermInputPresenter([this]() -> TTermInput {
    std::optional<QString> Answer = std::move(FTerm);
    FTerm.reset();
    return Answer;
  });

  const QDeadlineTimer FirstPage(15000);
  while ((!Page() || FMain.FirstShowPending()) && !FirstPage.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  Settle();
  FSeen.clear();

  int Status = PlayPassed;
  for (const TScriptCommand& C : Script.Commands) {
    try {
      Run(C);
    } catch (const EBroken& E) {
      FOut << QStringLiteral("%1:%2: %3").arg(FFile).arg(C.Line).arg(E.Reason) << Qt::endl;
      Status = PlayBroken;
      break;
    }
    FOut << QStringLiteral("[%1] %2 -> %3")
                .arg(PageNumber())
                .arg(QString::fromStdString(C.Source), FResult.isEmpty() ? QStringLiteral("done") : FResult)
         << Qt::endl;
  }
  if (Status != PlayBroken) ReportUnchecked();
  FOut << QStringLiteral("%1 passed, %2 failed").arg(FPassed).arg(FFailed) << Qt::endl;

  SetTermInputPresenter(OldInput);
  SetMessageCapture(OldCapture);
  if (Status == PlayBroken) return PlayBroken;
  return FFailed > 0 ? PlayFailed : PlayPassed;
}

}  // namespace

int PlayCourseScript(TfmMain& Main, const QString& File, QTextStream& Out) {
  QFile In(File);
  // A script is a short text; anything far larger is no script.
  constexpr qint64 MaxScriptSize = 4 * 1024 * 1024;
  if (!In.open(QIODevice::ReadOnly)) {
    Out << QStringLiteral("%1: cannot read the script").arg(File) << Qt::endl;
    return PlayBroken;
  }
  if (In.size() > MaxScriptSize) {
    Out << QStringLiteral("%1: the script is larger than 4 MiB").arg(File) << Qt::endl;
    return PlayBroken;
  }
  const QByteArray Text = In.readAll();
  const TCourseScript Script = ParseCourseScript(std::string_view(Text.constData(), static_cast<size_t>(Text.size())));
  if (!Script.Errors.empty()) {
    for (const TScriptError& E : Script.Errors)
      Out << QStringLiteral("%1:%2: %3").arg(File).arg(E.Line).arg(QString::fromStdString(E.Reason)) << Qt::endl;
    return PlayBroken;
  }
  // A script that states nothing it expects would pass whatever happens.
  const bool ExpectsSomething = std::any_of(Script.Commands.begin(), Script.Commands.end(),
                                            [](const TScriptCommand& C) { return C.Verb == TScriptVerb::Expect; });
  if (!ExpectsSomething) {
    Out << QStringLiteral("%1: the script has no expect line").arg(File) << Qt::endl;
    return PlayBroken;
  }
  TCoursePlayer Player(Main, File, Out);
  return Player.Play(Script);
}
