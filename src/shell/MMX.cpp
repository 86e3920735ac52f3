#include "shell/MMX.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaProperty>
#include <QPainter>
#include <QWidget>

#include "components/ComponentAccessibles.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/UserMessage.h"
#include "shell/LearnPathImage.h"
#include "shell/PageImage.h"
#include "shell/PageNumbers.h"
#include "shell/PageSetup.h"
#include "shell/ShellAccessibles.h"
#include "shell/StatusPanels.h"

TMMX* MMX = nullptr;

namespace {

// The hourglass while a page is being built; restored however the build ends.
class TBusyCursor {
 public:
  TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

bool HasProperty(const QObject* Object, const char* Name) {
  return Object->metaObject()->indexOfProperty(Name) >= 0;
}

// Sets a property the object publishes; others are left alone.
void SetIfPublished(QObject* Object, const char* Name, const QVariant& Value) {
  if (HasProperty(Object, Name)) Object->setProperty(Name, Value);
}

QObject* ObjectProperty(const QObject* Object, const char* Name) {
  if (!HasProperty(Object, Name)) return nullptr;
  return Object->property(Name).value<QObject*>();
}

// Gives a component the font Tahoma at Points: through its own font object
// when it publishes one, else as the widget's font.
void SetTahoma(QObject* Object, int Points) {
  if (auto* Font = qobject_cast<TFont*>(ObjectProperty(Object, "Font"))) {
    Font->SetName(QStringLiteral("Tahoma"));
    Font->SetSize(Points);
    return;
  }
  if (auto* Widget = qobject_cast<QWidget*>(Object)) {
    TFontSpec FontSpec;
    FontSpec.Name = "Tahoma";
    FontSpec.SetSize(Points);
    Widget->setFont(MakeQFont(FontSpec));
  }
}

// The plain drop-down list of the designs (not one derived from it).
bool IsStandardCombo(const QObject* Object) {
  const QMetaObject* Meta = Object->metaObject();
  return Meta == &QComboBox::staticMetaObject || qstrcmp(Meta->className(), "TComboBox") == 0;
}

// A scene button whose picture is still a plain bitmap.
bool HasBitmapGlyph(const QObject* Object) {
  if (!Object->inherits("TMMButton")) return false;
  const auto* Glyph = qobject_cast<TPicture*>(ObjectProperty(Object, "Glyph"));
  return Glyph && dynamic_cast<const TBitmap*>(Glyph->Graphic()) != nullptr;
}

// The panel a page's content lies on: its first child panel aligned to the
// whole client area.
QWidget* ClientPanel(QWidget* Form) {
  for (QObject* Child : Form->children()) {
    auto* Panel = qobject_cast<TControl*>(Child);
    if (Panel && (Panel->inherits("TPanel") || Panel->inherits("TPCPanel")) && Panel->Align() == alClient)
      return Panel;
  }
  return nullptr;
}

// Shows or hides a control; a design's control keeps its own flag.
void SetControlVisible(QWidget* Control, bool Visible) {
  if (auto* C = qobject_cast<TControl*>(Control))
    C->SetVisible(Visible);
  else
    Control->setVisible(Visible);
}

// The components a page form owns: those its design created, or for a form
// made in code every object inside it.
QList<QObject*> OwnedComponents(QWidget* Form) {
  if (auto* Designed = qobject_cast<TCustomForm*>(Form); Designed && Designed->DesignLoaded())
    return Designed->Components();
  return Form->findChildren<QObject*>();
}

}  // namespace

QObject* CheckButtonOf(QWidget* Page) {
  auto* Form = qobject_cast<TCustomForm*>(Page);
  if (!Form) return nullptr;
  QObject* Button = Form->FindComponent(QStringLiteral("PCVGlassButton1"));
  if (!Button) Button = Form->FindComponent(QStringLiteral("PCVGlassButton2"));
  return Button;
}

int TagOf(const QObject* Object) {
  if (!Object) return 0;
  const QVariant Tag = Object->property("Tag");
  return Tag.isValid() ? Tag.toInt() : 0;
}

TMMX::TMMX(QWidget* MainWindow, const QImage& BackPicture, const QImage& ForwardPicture, QComboBox* PageCombo,
           TStatusPanels* StatusBar, QWidget* ToolBar, QWidget* PageHost)
    : QObject(nullptr),
      FMainWindow(MainWindow),
      FPageHost(PageHost),
      FToolBar(ToolBar),
      FStatusBar(StatusBar),
      FPageCombo(PageCombo),
      FPlaceholder(std::make_unique<QWidget>()),
      FBackPicture(BackPicture),
      FForwardPicture(ForwardPicture) {
  std::vector<std::string> Args;
  const QStringList Arguments = QCoreApplication::arguments();
  for (qsizetype I = 1; I < Arguments.size(); ++I) Args.push_back(Arguments[I].toStdString());
  FModel.SetCommandLine(TCommandLine(Args));
  FModel.OnSoundChanged = [this](bool Flag) {
    if (OnSoundChanged) OnSoundChanged(this, Flag);
  };
  FNavButtons.fill(FPlaceholder.get());
  OpenLernstand();
  // The praise a page shows tells the course object of the one course
  // object there is at that moment.
  SetMessageObserver([](TMessageProc Proc) {
    if (MMX) MMX->MessageShown(Proc);
  });
  MMX = this;
  // A screen reader tells where a link of a page text leads.
  SetLinkTitleSource([this](const QString& URL) {
    bool IsNumber = false;
    const TTocNodeId Node = FModel.Contents().FindNode(URL.toInt(&IsNumber));
    return IsNumber && Node != NoNode ? QString::fromStdString(FModel.Contents().Node(Node).Title) : QString();
  });
}

TMMX::~TMMX() {
  if (MMX == this) {
    MMX = nullptr;
    SetLinkTitleSource({});
  }
  // The last page may have been solved without a word (its stage moved on).
  CheckSolved(FPageForm.get(), FShownPage, false);
  // The page goes before the windows it lives in.
  FPaintChapter = nullptr;
  FPageForm.reset();
}

void TMMX::OpenLernstand() {
  FLernstand.reset();
  FLernstand = std::make_unique<TLernstandStore>();
  FLernstand->OnNotice = [this] { ShowLernstandNotices(); };
  FLernstand->Open();
}

bool TMMX::ResetLernstand(QString& Error) {
  const bool Done = FLernstand->Reset(Error);
  if (FStatusBar) FStatusBar->SetPanelText(SolvedPanel, SolvedText(FShownPage));
  return Done;
}

void TMMX::ShowLernstandNotices() {
  for (const QString& Notice : FLernstand->TakeNotices()) ShowMessage(Notice);
}

std::vector<int> TMMX::WayAcrossLessons() const {
  return ::WayAcrossLessons(FLernstand->EarlierVisits(), FModel.History().Items());
}

std::optional<TChapterProgress> TMMX::ChapterProgressOf(int Page) const {
  return ::ChapterProgressOf(Page, FModel.Contents(), FModel.Pages(), FLernstand->Lernstand());
}

int TMMX::ResumePage() const { return ::ResumePage(FLernstand->Lernstand(), FModel.Contents(), FModel.Pages()); }

QString TMMX::SolvedText(int Page) const {
  const TPageProgress Progress = FLernstand->Lernstand().Progress(Page);
  if (!Progress.Solved) return {};
  return QStringLiteral("Gelöst am ") + QString::fromStdString(Progress.FirstSolved.GermanDate());
}

namespace {
// The last stage of a page form with a check; nothing for one without.
std::optional<int> FinalStageOf(const QWidget* Form) {
  if (!Form) return std::nullopt;
  const QVariant Last = Form->property("FinalStage");
  if (!Last.isValid() || Last.toInt() < 0) return std::nullopt;
  return Last.toInt();
}
}  // namespace

void TMMX::LernstandPageShown(bool AddToHistory) {
  const bool HasCheck = FinalStageOf(FPageForm.get()).has_value();
  // Solved in an earlier visit: a page without a check counts as solved by
  // this very showing, which the status bar does not announce.
  const QString SolvedBefore = SolvedText(FShownPage);
  RecordPageShown(FLernstand->Edit(), FModel.Contents(), FShownPage, AddToHistory, HasCheck, TLernstandStore::Now());
  FLernstand->Changed();
  if (FStatusBar) FStatusBar->SetPanelText(SolvedPanel, SolvedBefore);
  if (HasCheck) WatchCheckButton();
}

void TMMX::WatchCheckButton() {
  auto* Button = qobject_cast<TControl*>(CheckButtonOf(FPageForm.get()));
  if (!Button) return;
  const TNotifyEvent Check = Button->OnClick;
  const int Page = FShownPage;
  const QPointer<QWidget> Form(FPageForm.get());
  Button->OnClick = [this, Check, Page, Form](QObject* Sender) {
    FLernstand->Edit().AddCheck(Page);
    FLernstand->Changed();
    Check(Sender);
    CheckSolved(Form, Page, false);
  };
}

void TMMX::MessageShown(TMessageProc Proc) {
  CheckSolved(FPageForm.get(), FShownPage, Proc == TMessageProc::Praise);
}

void TMMX::CheckSolved(QWidget* Form, int Page, bool Praise) {
  const std::optional<int> Last = FinalStageOf(Form);
  if (!Last || Page < 1) return;
  if (StageSolves(Praise, Form->property("Stage").toInt(), *Last)) MarkSolved(Page);
}

void TMMX::MarkSolved(int Page) {
  if (!FLernstand->Edit().MarkSolved(Page, TLernstandStore::Now())) return;
  FLernstand->Changed();
  if (FStatusBar && Page == FShownPage) FStatusBar->SetPanelText(SolvedPanel, SolvedText(Page));
}

void TMMX::GotoPage(int Page, bool AddToHistory) {
  ++FNavigating;
  struct TDone {
    TMMX& Course;
    ~TDone() {
      if (--Course.FNavigating > 0) return;
      std::vector<std::pair<int, int>> Deferred;
      Deferred.swap(Course.FDeferred);
      for (const auto& [Code, Param] : Deferred) PostUserMessage(Course.FMainWindow, Code, Param);
    }
  } Done{*this};
  ShowPage(Page, AddToHistory);
}

void TMMX::Defer(int Code, int Param) { FDeferred.emplace_back(Code, Param); }

void TMMX::ShowPage(int Page, bool AddToHistory) {
  const TGotoCheck Check = FModel.CheckGoto(Page);
  if (Check == gcSamePage) return;
  if (Check != gcShow) {
    ShowShownPage();
    ShowMessage(QString::fromStdString(TCourseModel::GotoMessage(Check, Page)));
    return;
  }
  TBusyCursor Busy;
  const std::string ClassName(FModel.Pages().ClassOf(Page));
  const int OldPage = FModel.CurrentPage();
  const bool SameChapter = FModel.EnterPage(Page);

  // Everything that may fail comes before the page shown now is touched: a
  // page unknown to the table of contents or a page form that cannot be
  // built leaves the course as it was.
  QString Caption;
  TPageGroup Group;
  std::unique_ptr<QWidget> NewForm;
  try {
    Caption = QString::fromStdString(FModel.Caption());
    Group = FModel.CurrentGroup();
    if (PageFactory) NewForm = PageFactory(ClassName, FPageHost);
  } catch (...) {
    FModel.EnterPage(OldPage);
    ShowShownPage();
    throw;
  }
  if (!NewForm) {
    FModel.EnterPage(OldPage);
    ShowShownPage();
    ShowMessage(QString::fromStdString(PageMissingMessage(Page)));
    return;
  }

  std::unique_ptr<QWidget> OldForm = std::move(FPageForm);
  if (OldForm) OldForm->removeEventFilter(this);
  // Leaving a page whose stage has moved beyond its last one solves it.
  CheckSolved(OldForm.get(), FShownPage, false);
  FPaintChapter = nullptr;
  FPageForm = std::move(NewForm);
  FShownPage = Page;
  PreparePage(SameChapter, AddToHistory, Caption);
  ApplyPageFonts();
  FPageForm->show();
  OldForm.reset();

  FillPageCombo(Group);
  UpdateNavButtons();
  const TTocNodeId Node = FModel.Contents().FindNode(Page);
  PresentPage(FPageForm.get(), Node == NoNode ? QString() : QString::fromStdString(FModel.Contents().Node(Node).Title));
}

void TMMX::ShowShownPage() {
  // The combo may show the item the pupil chose: it goes back to the page
  // that is shown, and so do the caption and the buttons.
  if (!FPageForm) return;
  FillPageCombo(FModel.CurrentGroup());
  UpdateNavButtons();
  if (FMainWindow) FMainWindow->setWindowTitle(QString::fromStdString(FModel.Caption()));
}

void TMMX::PreparePage(bool SameChapter, bool AddToHistory, const QString& Caption) {
  QWidget* Form = FPageForm.get();
  const int Tag = TagOf(Form);
  const TPageSetup Setup = PageSetupFromTag(Tag);
  // Qt paints every widget double-buffered; a form that can switch it
  // learns the choice.
  SetIfPublished(Form, "DoubleBuffered", Setup.DoubleBuffered);
  if (FToolBar) SetControlVisible(FToolBar, Setup.ToolBarVisible);
  SetIfPublished(Form, "Scaled", false);
  if (auto* Scroll = qobject_cast<QAbstractScrollArea*>(Form)) {
    Scroll->setHorizontalScrollBarPolicy(Setup.HorzScrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Scroll->setVerticalScrollBarPolicy(Setup.VertScrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  }
  if (FPageHost) {
    if (Form->parentWidget() != FPageHost) Form->setParent(FPageHost);
    Form->setGeometry(0, 0, FPageHost->width(), FPageHost->height());
  }
  ApplyChapterBackground(Tag, SameChapter);
  FKeyDownHandler = Setup.OwnKeys && KeyDownFinder ? KeyDownFinder(Form) : TKeyDownHandler();
  AddLearnPathButtons();
  FModel.RecordVisit(AddToHistory);
  LernstandPageShown(AddToHistory);
  if (FMainWindow) FMainWindow->setWindowTitle(Caption);
}

void TMMX::ApplyChapterBackground(int Tag, bool SameChapter) {
  const int Chapter = FModel.CurrentChapter();
  switch (ChapterBackgroundAction(Tag, Chapter, ChapterCount(), SameChapter, FChapterBitmap != nullptr)) {
    case baNone: return;
    case baRender:
      FChapterBitmap.reset();
      FChapterBitmap = FChapters[static_cast<size_t>(Chapter)]->CreateChapterBitmap();
      break;
    case baReuse: break;
  }
  FPaintChapter = FChapters[static_cast<size_t>(Chapter)].get();
  FPageForm->installEventFilter(this);
}

bool TMMX::eventFilter(QObject* Watched, QEvent* Event) {
  // The chapter background takes the place of the page's own paint.
  if (Event->type() == QEvent::Paint && FPaintChapter && Watched == FPageForm.get()) {
    QPainter Painter(FPageForm.get());
    FPaintChapter->PaintChapterBackground(Painter);
    return true;
  }
  return QObject::eventFilter(Watched, Event);
}

void TMMX::AddLearnPathButtons() {
  QWidget* Form = FPageForm.get();
  QWidget* Parent = ClientPanel(Form);
  if (!Parent) Parent = Form;
  const TLearnPathButtons Buttons = FModel.LearnPathButtons();
  auto Add = [&](const TLearnPathButton& Button, const QImage& Picture, int Left) {
    auto* Image = new TLearnPathImage(*this, Picture, Button.Target, QString::fromStdString(Button.Hint), Parent);
    Image->setObjectName(Left == 0 ? QStringLiteral("LearnPathBack") : QStringLiteral("LearnPathForward"));
    Image->move(Left, Form->height() - Picture.height());
    Image->show();
  };
  if (Buttons.Back.Visible) Add(Buttons.Back, FBackPicture, 0);
  if (Buttons.Forward.Visible) Add(Buttons.Forward, FForwardPicture, Form->width() - FForwardPicture.width());
}

void TMMX::ApplyPageFonts() {
  QWidget* Form = FPageForm.get();
  SetTahoma(Form, 11);
  const QList<QObject*> Components = OwnedComponents(Form);
  for (QObject* Component : Components) {
    if (TagOf(Component) < 0) continue;
    if (IsStandardCombo(Component))
      SetTahoma(Component, 10);
    else if (HasBitmapGlyph(Component))
      ShowMessage(Component->objectName() + QStringLiteral(": Die Graphik ist noch ein Bitmap!"));
  }
}

void TMMX::FillPageCombo(const TPageGroup& Group) {
  if (!FPageCombo) return;
  FPageCombo->clear();
  for (const TPageGroupItem& Item : Group.Items) FPageCombo->addItem(QString::fromStdString(Item.Text), Item.Page);
  FPageCombo->setCurrentIndex(Group.Index);
}

void TMMX::UpdateNavButtons() {
  const TNavButtonStates States = FModel.ButtonStates();
  for (int Kind = nkBack; Kind <= nkForward; ++Kind)
    if (QWidget* Button = NavButton(Kind)) SetControlVisible(Button, States.IsVisible(Kind));
}

void TMMX::PostGotoPage(int Page, bool AddToHistory) {
  PostUserMessage(FMainWindow, GotoPageCode, AddToHistory ? Page : -Page);
}

void TMMX::Navigate(int Kind, bool AddToHistory) {
  const std::optional<TGotoRequest> Request = FModel.Navigate(Kind, AddToHistory);
  if (!Request) return;
  if (Request->Post)
    PostGotoPage(Request->Page, Request->AddToHistory);
  else
    GotoPage(Request->Page, Request->AddToHistory);
}

void TMMX::SetNavButton(int Kind, QWidget* Control) {
  FNavButtons[static_cast<size_t>(ClampNavKind(Kind) - nkBack)] = Control ? Control : FPlaceholder.get();
}

QWidget* TMMX::NavButton(int Kind) const { return FNavButtons[static_cast<size_t>(ClampNavKind(Kind) - nkBack)]; }

void TMMX::SetSound(bool Value) { FModel.SetSound(Value); }

void TMMX::LoadLearnPath() {
  const std::string Text = FModel.LoadLearnPath();
  if (FStatusBar) FStatusBar->SetPanelText(LearnPathPanel, QString::fromStdString(Text));
}

void TMMX::ShowLearnPathError() {
  const std::string& Error = FModel.LearnPath().LoadError();
  if (!Error.empty()) ShowMessage(QString::fromStdString(Error));
}

void TMMX::AddChapter(std::unique_ptr<TChapter> Chapter) { FChapters.push_back(std::move(Chapter)); }

void TMMX::SavePageImageToFile(const QString& FileName, int Percent, bool AsGif) const {
  if (!FPageForm) return;
  const QImage Picture = WidgetPicture(FPageForm.get(), Percent);
  WritePicture(Picture, FileName, Percent != 100 && AsGif ? TPictureKind::Gif : TPictureKind::Bitmap);
}
