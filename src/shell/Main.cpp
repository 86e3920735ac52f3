#include "shell/Main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <climits>
#include <cstdlib>

#include "common/Random.h"
#include "components/GIFBitmap.h"
#include "components/GIFImage.h"
#include "components/XShape.h"
#include "platform/Dialogs.h"
#include "platform/SaveDialog.h"
#include "platform/Fonts.h"
#include "platform/StdControls.h"
#include "platform/UserMessage.h"
#include "shell/About.h"
#include "shell/HelpWindow.h"
#include "shell/HistoryWindow.h"
#include "shell/LernstandWindow.h"
#include "shell/MMX.h"
#include "shell/PageForms.h"
#include "shell/PageImage.h"
#include "shell/PagePrinting.h"
#include "shell/Pages.h"
#include "shell/Pictures.h"
#include "shell/Statistik.h"
#include "shell/StatusPanels.h"
#include "shell/Stichwort.h"

namespace {

constexpr int MainWidth = 800;
constexpr int MainHeight = 576;
constexpr int ToolBarHeight = 39;
constexpr TColor ToolBarGradientEnd = 14733271;

QFont TahomaFont(int Height) {
  TFontSpec FontSpec;
  FontSpec.Name = "Tahoma";
  FontSpec.Height = Height;
  return MakeQFont(FontSpec);
}

}  // namespace

TfmMain::TfmMain(QWidget* Parent) : QWidget(Parent), FMenuBar(new QMenuBar(this)) {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(QStringLiteral("Velotra"));
  RandomSeed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));

  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->SetBevelInner(bvRaised);
  Panel1->SetBevelOuter(bvLowered);
  Panel1->setAccessibleName(QStringLiteral("Werkzeugleiste"));
  Panel2 = new TPanel(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->SetBevelOuter(bvLowered);
  Panel2->SetColor(clWhite);
  CreatePictures();
  CreateToolBar();
  CreateStatusBars();
  CreateMenu();
  FCalculator = std::make_unique<TCalculator>();

  FMMX = std::make_unique<TMMX>(this, giLSide->ToImage(), giRSide->ToImage(), ComboBox1, StatusBar, Panel1, Panel2);
  FMMX->PageFactory = DesignedPageFactory();
  // Chapter 0 ... 6 with their pictures (chapters 5 and 6 have none). A
  // chapter's picture is read when the pupil first enters the chapter; the
  // decoded pixels become the chapter's tile without a copy, so each picture
  // is held once.
  const char* const ChapterPictures[] = {"chapter0.gif", "chapter1.gif", "chapter2.gif", "chapter3.gif",
                                         "chapter4.gif", "",             ""};
  for (const char* File : ChapterPictures) {
    FMMX->AddChapter(std::make_unique<TBitmapChapter>(*FMMX, [File] {
      return *File ? DecodeGIFImage(PictureFile(QString::fromLatin1(File))) : QImage();
    }));
  }
  FMMX->SetNavButton(-3, sbBack);
  FMMX->SetNavButton(-2, sbFirst);
  FMMX->SetNavButton(-1, sbPrev);
  FMMX->SetNavButton(0, sbSuper);
  FMMX->SetNavButton(1, sbNext);
  FMMX->SetNavButton(2, sbLast);
  FMMX->SetNavButton(3, sbForward);
  FMMX->OnSoundChanged = [this](QObject*, bool Flag) {
    StatusBar->SetPanelText(SoundPanel, Flag ? QStringLiteral("an") : QStringLiteral("aus"));
    ton1->setChecked(Flag);
  };

  const QScreen* Screen = QGuiApplication::primaryScreen();
  const QSize ScreenSize = Screen ? Screen->geometry().size() : QSize(MainWidth, 600);
  setFixedSize(MainWidth, MainHeight);
  move((ScreenSize.width() - MainWidth) / 2, (ScreenSize.height() - 600) / 2);
  Panel1->installEventFilter(this);
  StatusBar1->installEventFilter(this);
  AlignControls();
  qApp->installEventFilter(this);
  FFirstShow = true;
  // The page overview is made once the pupil sees the start page.
  AfterFirstPaint([this] { PagesWindow(); });
}

TfmMain::~TfmMain() {
  qApp->removeEventFilter(this);
  FPagesWindow.reset();
  FMMX.reset();
}

void TfmMain::CreatePictures() {
  // File "" leaves the picture empty.
  auto Picture = [this](const char* Name, const char* File) {
    auto* Control = new TGIFImage(Panel2);
    Control->setObjectName(QString::fromLatin1(Name));
    Control->SetVisible(false);
    if (*File) Control->LoadFromData(PictureFile(QString::fromLatin1(File)));
    return Control;
  };
  // GIFImage1 ... GIFImage7 stay empty: the chapter backgrounds are decoded
  // straight into their tiles (see the constructor).
  GIFImage1 = Picture("GIFImage1", "");
  GIFImage2 = Picture("GIFImage2", "");
  GIFImage3 = Picture("GIFImage3", "");
  GIFImage4 = Picture("GIFImage4", "");
  GIFImage5 = Picture("GIFImage5", "");
  GIFImage6 = Picture("GIFImage6", "");
  GIFImage7 = Picture("GIFImage7", "");
  giLSide = Picture("giLSide", "pathback.gif");
  giRSide = Picture("giRSide", "pathforward.gif");
  for (TGIFImage* Side : {giLSide, giRSide}) {
    Side->SetBounds(0, 0, 34, 34);
    Side->SetCursor(crHandPoint);
  }
}

void TfmMain::CreateToolBar() {
  XShape1 = new TXShape(Panel1);
  XShape1->setObjectName(QStringLiteral("XShape1"));
  XShape1->SetShape(TShapeForm::sfHLinear);
  XShape1->Brush()->SetColor(clSilver);
  XShape1->SetColor2(ToolBarGradientEnd);
  XShape1->SetScaleX(16);
  XShape1->SetBounds(2, 2, MainWidth, 35);

  sbHome = AddSpeedButton("sbHome", 3, 0, QStringLiteral("Startseite"), "tool_home.gif", &TfmMain::sbHomeClick);
  sbBack = AddSpeedButton("sbBack", 35, 0, QStringLiteral("zurück"), "tool_back.gif", &TfmMain::sbBackClick);
  sbForward = AddSpeedButton("sbForward", 67, 0, QStringLiteral("vorwärts"), "tool_forward.gif", &TfmMain::sbForwardClick);
  sbWoBinIch =
      AddSpeedButton("sbWoBinIch", 100, 0, QStringLiteral("Wo bin ich?"), "tool_whereami.gif", &TfmMain::sbWoBinIchClick);
  sbStichwort =
      AddSpeedButton("sbStichwort", 136, 0, QStringLiteral("Register"), "tool_index.gif", &TfmMain::sbStichwortClick);
  sbTaschenrechner = AddSpeedButton("sbTaschenrechner", 173, 0, QStringLiteral("Taschenrechner"), "tool_calculator.gif",
                                    &TfmMain::sbTaschenrechnerClick);
  sbSuper = AddSpeedButton("sbSuper", 617, 0, QStringLiteral("Zur Übersicht"), "tool_up.gif", &TfmMain::sbSuperClick);
  sbFirst = AddSpeedButton("sbFirst", 651, -2, QStringLiteral("Zum Kapitelanfang"), "tool_first.gif", &TfmMain::sbSuperClick);
  sbPrev = AddSpeedButton("sbPrev", 685, -1, QStringLiteral("zur vorherigen Seite"), "tool_previous.gif", &TfmMain::sbSuperClick);
  sbNext = AddSpeedButton("sbNext", 719, 1, QStringLiteral("zur nächsten Seite"), "tool_next.gif", &TfmMain::sbSuperClick);
  sbLast = AddSpeedButton("sbLast", 753, 2, QStringLiteral("zur letzten Seite"), "tool_last.gif", &TfmMain::sbSuperClick);

  ComboBox1 = new QComboBox(Panel1);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  ComboBox1->setFont(TahomaFont(-15));
  ComboBox1->setToolTip(QStringLiteral("aktuelle Seite"));
  ComboBox1->setAccessibleName(QStringLiteral("aktuelle Seite"));
  ComboBox1->setCursor(Qt::PointingHandCursor);
  ComboBox1->setGeometry(212, 7, 401, ComboBox1->sizeHint().height());
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox1); });
}

QToolButton* TfmMain::AddSpeedButton(const char* Name, int Left, int Tag, const QString& Hint, const char* Glyph,
                                     void (TfmMain::*Handler)(QObject*)) {
  auto* Button = new QToolButton(Panel1);
  Button->setObjectName(QString::fromLatin1(Name));
  Button->setProperty("Tag", Tag);
  Button->setAutoRaise(true);
  Button->setFocusPolicy(Qt::NoFocus);
  Button->setGeometry(Left, 3, 33, 33);
  Button->setIcon(GlyphIcon(QString::fromLatin1(Glyph)));
  Button->setIconSize(QSize(24, 24));
  Button->setCursor(Qt::PointingHandCursor);
  Button->setToolTip(Hint);
  Button->setAccessibleName(Hint);
  connect(Button, &QToolButton::clicked, this, [this, Button, Handler] { (this->*Handler)(Button); });
  return Button;
}

void TfmMain::CreateStatusBars() {
  StatusBar = new TStatusPanels(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setFont(TahomaFont(-11));
  StatusBar->AddPanel({560, QString(), Qt::AlignLeft, true});
  StatusBar->AddPanel({30, QStringLiteral("Ton"), Qt::AlignRight, false});
  StatusBar->AddPanel({30, QStringLiteral("An"), Qt::AlignLeft, true});
  StatusBar->AddPanel({55, QStringLiteral("Lernpfad"), Qt::AlignRight, false});
  StatusBar->AddPanel({50, QStringLiteral("Standard"), Qt::AlignLeft, true});

  StatusBar1 = new TStatusPanels(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setFont(TahomaFont(-11));
  for (int I = 0; I < DiagnosticPanelCount - 1; ++I) StatusBar1->AddPanel({50, QStringLiteral("?"), Qt::AlignLeft, true});
  StatusBar1->AddPanel({20, QStringLiteral("Hallo"), Qt::AlignLeft, true});
  StatusBar1->hide();
}

QAction* TfmMain::AddItem(QMenu* Menu, const QString& Caption, const QKeySequence& Shortcut,
                          void (TfmMain::*Handler)(QObject*)) {
  auto* Item = Menu->addAction(Caption);
  Item->setShortcut(Shortcut);
  Item->setShortcutContext(Qt::WindowShortcut);
  addAction(Item);
  if (Handler) connect(Item, &QAction::triggered, this, [this, Item, Handler] { (this->*Handler)(Item); });
  return Item;
}

void TfmMain::CreateMenu() {
  FMenuBar->setObjectName(QStringLiteral("MainMenu"));
  FMenuBar->setNativeMenuBar(false);
  QMenu* Datei = FMenuBar->addMenu(QStringLiteral("&Datei"));
  AddItem(Datei, QStringLiteral("Seite &speichern..."), QKeySequence(Qt::CTRL | Qt::Key_S),
          &TfmMain::Bildspeichern1Click);
  AddItem(Datei, QStringLiteral("Seite &drucken..."), QKeySequence(Qt::CTRL | Qt::Key_P), &TfmMain::Drucken1Click);
  Datei->addSeparator();
  QAction* Exit = AddItem(Datei, QStringLiteral("&Beenden"), QKeySequence(Qt::ALT | Qt::Key_F4), &TfmMain::ExitItemClick);
  Exit->setStatusTip(QStringLiteral("Anwendung beenden"));
  Exit->setToolTip(QStringLiteral("Anwendung beenden"));

  QMenu* Navigation = FMenuBar->addMenu(QStringLiteral("&Navigation"));
  AddItem(Navigation, QStringLiteral("&Index..."), QKeySequence(Qt::CTRL | Qt::Key_I), &TfmMain::sbStichwortClick);
  AddItem(Navigation, QStringLiteral("&Wo bin ich..."), QKeySequence(Qt::CTRL | Qt::Key_W),
          &TfmMain::sbWoBinIchClick);
  AddItem(Navigation, QStringLiteral("&History..."), QKeySequence(Qt::CTRL | Qt::Key_H), &TfmMain::History1Click);
  Navigation->addSeparator();
  AddItem(Navigation, QStringLiteral("&Start"), QKeySequence(Qt::ALT | Qt::Key_Home), &TfmMain::sbHomeClick);
  AddItem(Navigation, QStringLiteral("&Zurück"), QKeySequence(Qt::ALT | Qt::Key_Left), &TfmMain::sbBackClick);
  AddItem(Navigation, QStringLiteral("&Vorwärts"), QKeySequence(Qt::ALT | Qt::Key_Right), &TfmMain::sbForwardClick);

  QMenu* Kapitel = FMenuBar->addMenu(QStringLiteral("&Kapitel"));
  const struct {
    const char* Caption;
    QKeySequence Shortcut;
    int Tag;
  } ChapterItems[] = {
      {"&Erste Seite", QKeySequence(Qt::CTRL | Qt::Key_Home), -2},
      {"&Vorhergehende Seite", QKeySequence(Qt::CTRL | Qt::Key_Left), -1},
      {"&Nächste Seite", QKeySequence(Qt::CTRL | Qt::Key_Right), 1},
      {"&Letzte Seite", QKeySequence(Qt::CTRL | Qt::Key_End), 2},
      {"&Inhalt", QKeySequence(Qt::CTRL | Qt::Key_Backspace), 0},
  };
  for (const auto& Item : ChapterItems)
    AddItem(Kapitel, QString::fromUtf8(Item.Caption), Item.Shortcut, &TfmMain::sbSuperClick)->setProperty("Tag", Item.Tag);

  QMenu* Extras = FMenuBar->addMenu(QStringLiteral("E&xtras"));
  ton1 = AddItem(Extras, QStringLiteral("&Ton"), QKeySequence(Qt::Key_F9), nullptr);
  ton1->setObjectName(QStringLiteral("ton1"));
  ton1->setCheckable(true);
  ton1->setChecked(true);
  // The click decides from the check mark as it was before the click.
  connect(ton1, &QAction::triggered, this, [this](bool Checked) {
    ton1->setChecked(!Checked);
    ton1Click(ton1);
  });
  Extras->addSeparator();
  AddItem(Extras, QStringLiteral("&Statistik..."), QKeySequence(Qt::Key_F10), &TfmMain::Statistik1Click);
  AddItem(Extras, QStringLiteral("&Lernstand..."), QKeySequence(), &TfmMain::Lernstand1Click);

  QMenu* Hilfe = FMenuBar->addMenu(QStringLiteral("&Hilfe"));
  AddItem(Hilfe, QStringLiteral("&Hilfe"), QKeySequence(Qt::Key_F1), &TfmMain::Hilfe1Click);
  AddItem(Hilfe, QStringLiteral("&Literaturnachweis"), QKeySequence(), &TfmMain::Literaturlnachweis1Click);
  AddItem(Hilfe, QStringLiteral("&Bildernachweis"), QKeySequence(), &TfmMain::Bildernachweis1Click);
  Hilfe->addSeparator();
  AddItem(Hilfe, QStringLiteral("Inf&o..."), QKeySequence(Qt::Key_F2), &TfmMain::About1Click);
}

void TfmMain::SetCalculator(std::unique_ptr<TCalculator> Calculator) { FCalculator = std::move(Calculator); }

void TfmMain::AlignControls() {
  const int W = width();
  int Top = FMenuBar->sizeHint().height();
  FMenuBar->setGeometry(0, 0, W, Top);
  int Bottom = height();
  StatusBar->setGeometry(0, Bottom - StatusBar->height(), W, StatusBar->height());
  Bottom -= StatusBar->height();
  if (!StatusBar1->isHidden()) {
    StatusBar1->setGeometry(0, Bottom - StatusBar1->height(), W, StatusBar1->height());
    Bottom -= StatusBar1->height();
  }
  if (!Panel1->isHidden()) {
    Panel1->setGeometry(0, Top, W, ToolBarHeight);
    Top += ToolBarHeight;
  }
  Panel2->setGeometry(0, Top, W, qMax(0, Bottom - Top));
}

void TfmMain::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  AlignControls();
}

void TfmMain::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (!FFirstShow || FFirstShowQueued) return;
  // Runs once the window is on the screen, so that a message about the
  // first page appears over a painted window.
  FFirstShowQueued = true;
  QMetaObject::invokeMethod(this, &TfmMain::FirstShow, Qt::QueuedConnection);
}

void TfmMain::FirstShow() {
  if (!FFirstShow) return;
  FFirstShow = false;
  FMMX->LoadLearnPath();
  FMMX->GotoPage(10, true);
  // Over the start page, once: the path file named at start-up was unusable.
  FMMX->ShowLearnPathError();
  // And what went wrong with the stored Lernstand.
  FMMX->ShowLernstandNotices();
}

bool TfmMain::event(QEvent* Event) {
  if (Event->type() == TUserMessageEvent::UserMessageType) {
    if (const auto* Message = dynamic_cast<const TUserMessageEvent*>(Event)) {
      NavigationMessage(Message->Code(), Message->Param());
      return true;
    }
  }
  return QWidget::event(Event);
}

void TfmMain::NavigationMessage(int Code, int Param) {
  const bool ChangesPage = Code >= -3 && Code <= GotoPageCode;
  if (ChangesPage && FMMX->Navigating()) {
    FMMX->Defer(Code, Param);
    return;
  }
  if (Code >= -3 && Code <= 3) {
    FMMX->Navigate(Code, Param >= 1);
  } else if (Code == GotoPageCode) {
    if (Param != INT_MIN) FMMX->GotoPage(std::abs(Param), Param >= 1);
  } else if (Code == HideMainCode) {
    hide();
  } else if (Code == ShowMainCode) {
    show();
  } else if (Code >= DiagnosticPanelCode && Code < DiagnosticPanelCode + DiagnosticPanelCount) {
    ShowDiagnosticPanel(Code - DiagnosticPanelCode, Param);
  } else if (Code == HideDiagnosticCode) {
    HideDiagnosticBar();
  }
}

void TfmMain::ShowDiagnosticPanel(int Index, int Value) {
  if (StatusBar1->isHidden()) {
    setFixedHeight(height() + StatusBar1->height());
    StatusBar1->show();
  }
  StatusBar1->SetPanelText(Index, QString::number(Value));
}

void TfmMain::HideDiagnosticBar() {
  // Only a bar that is shown gives its height back.
  if (StatusBar1->isHidden()) return;
  StatusBar1->hide();
  setFixedHeight(height() - StatusBar1->height());
}

bool TfmMain::eventFilter(QObject* Watched, QEvent* Event) {
  if (!FFirstPainted && !FFirstShow && Event->type() == QEvent::Paint) {
    // The start page is being painted: what waited for it runs next.
    const auto* Widget = qobject_cast<QWidget*>(Watched);
    if (Widget && Widget->window() == this) {
      FFirstPainted = true;
      QMetaObject::invokeMethod(this, &TfmMain::RunAfterFirstPaint, Qt::QueuedConnection);
    }
  }
  if ((Watched == Panel1 || Watched == StatusBar1) &&
      (Event->type() == QEvent::ShowToParent || Event->type() == QEvent::HideToParent)) {
    AlignControls();
    return false;
  }
  if (Event->type() == QEvent::KeyPress && FMMX && HandleKeyDown(Watched, Event)) return true;
  return QWidget::eventFilter(Watched, Event);
}

bool TfmMain::HandleKeyDown(QObject* Receiver, QEvent* Event) {
  auto* Widget = qobject_cast<QWidget*>(Receiver);
  if (!Widget || Widget->window() != this) return false;
  // A key the focused control leaves alone travels on to its parents: the
  // handler sees it once, where it arrived first.
  if (Event == FKeyEvent && FKeyReceiver && Widget != FKeyReceiver && Widget->isAncestorOf(FKeyReceiver))
    return false;
  FKeyEvent = Event;
  FKeyReceiver = Widget;
  const TKeyDownHandler& Handler = FMMX->KeyDownHandler();
  if (!Handler) return false;
  auto* Key = static_cast<QKeyEvent*>(Event);
  int Code = Key->key();
  Handler(this, Code, Key->modifiers());
  return Code == 0;
}

void TfmMain::sbHomeClick(QObject*) { FMMX->PostGotoPage(10, true); }

void TfmMain::sbBackClick(QObject*) { FMMX->Navigate(-3, true); }

void TfmMain::sbForwardClick(QObject*) { FMMX->Navigate(3, true); }

void TfmMain::sbSuperClick(QObject* Sender) { FMMX->Navigate(TagOf(Sender), true); }

TfmPages& TfmMain::PagesWindow() {
  if (!FPagesWindow) FPagesWindow = CreateForm<TfmPages>(this);
  return *FPagesWindow;
}

void TfmMain::AfterFirstPaint(std::function<void()> Work) {
  FAfterFirstPaint.push_back(std::move(Work));
  if (FFirstPainted && FAfterFirstPaint.size() == 1)
    QMetaObject::invokeMethod(this, &TfmMain::RunAfterFirstPaint, Qt::QueuedConnection);
}

void TfmMain::RunAfterFirstPaint() {
  // One piece at a time, so that events of the pupil get through between
  // them and a piece that fails stops none of the others.
  if (FAfterFirstPaint.empty()) return;
  const std::function<void()> Work = std::move(FAfterFirstPaint.front());
  FAfterFirstPaint.pop_front();
  if (!FAfterFirstPaint.empty()) QMetaObject::invokeMethod(this, &TfmMain::RunAfterFirstPaint, Qt::QueuedConnection);
  Work();
}

void TfmMain::sbWoBinIchClick(QObject*) {
  TfmPages& Window = PagesWindow();
  if (Window.Modal()) return;
  Window.ShowProgress();
  Window.SelectPage(FMMX->CurrentPage());
  Window.ShowModal();
}

namespace {
// Makes a navigation window of class T, shows it modally and frees it.
template <class T>
void ShowNavigationWindow(QWidget* Owner) {
  const std::unique_ptr<T> Window = CreateForm<T>(Owner);
  Window->ShowModal();
}
}  // namespace

void TfmMain::sbStichwortClick(QObject*) { ShowNavigationWindow<TfmStichwort>(this); }

void TfmMain::sbTaschenrechnerClick(QObject*) {
  if (!FCalculator->Start()) MessageDlg(QStringLiteral("Taschenrechner wurde nicht installiert."), mtWarning, mbOKOnly);
}

void TfmMain::ComboBox1Change(QObject*) {
  const int Page = ComboBox1->currentData().toInt();
  if (Page >= 1) FMMX->PostGotoPage(Page, true);
}

void TfmMain::Bildspeichern1Click(QObject*) {
  if (!FMMX->CurrentPageForm()) return;
  TSaveDialog Dialog;
  Dialog.SetTitle(QStringLiteral("Aktuelle Seite als Bild speichern"));
  Dialog.SetFilter(QStringLiteral(
      "Windows Bitmap (*.bmp)|*.bmp|Graphics Interchange File (*.gif)|*.gif|PNG-Bild (*.png)|*.png"));
  Dialog.SetDefaultExt(QStringLiteral("bmp"));
  // The question before replacing a file is asked below, in the course's words.
  Dialog.SetConfirmOverwrite(false);
  if (!Dialog.Execute()) return;
  const QString Name = Dialog.FileName();
  const std::optional<TPictureKind> Kind = PictureKindOf(Name);
  if (!Kind) return;
  if (QFileInfo::exists(Name) &&
      MessageDlg(QStringLiteral("Die Datei \"%1\"\r\n existiert bereits. Überschreiben?").arg(Name), mtInformation,
                 mbYesNo) != mrYes)
    return;
  try {
    // Bitmaps and GIFs are thumbnails at a tenth of the page; a PNG shows
    // the page at full size.
    if (*Kind == TPictureKind::Png)
      WritePicture(WidgetPicture(FMMX->CurrentPageForm()), Name, TPictureKind::Png);
    else
      FMMX->SavePageImageToFile(Name, 10, *Kind == TPictureKind::Gif);
  } catch (const EPictureWriteError& E) {
    MessageDlg(QString::fromStdString(E.what()), mtError, mbOKOnly);
  }
}

QImage TfmMain::ClientPicture() {
  // Tool bar, page and status bar as shown, without the menu.
  const int Top = FMenuBar && FMenuBar->isVisible() ? FMenuBar->height() : 0;
  return WidgetAreaPicture(this, QRect(0, Top, width(), height() - Top));
}

void TfmMain::Drucken1Click(QObject*) {
  PrintOrSaveAsPdf(ClientPicture(), QStringLiteral("die Seite"), QStringLiteral("Seite als PDF-Datei speichern"));
}

void TfmMain::ExitItemClick(QObject*) { close(); }

void TfmMain::History1Click(QObject*) { ShowNavigationWindow<TfmHistory>(this); }

void TfmMain::ton1Click(QObject*) { FMMX->SetSound(!ton1->isChecked()); }

void TfmMain::Statistik1Click(QObject*) { ShowNavigationWindow<TfmStatistik>(this); }

void TfmMain::Lernstand1Click(QObject*) { ShowNavigationWindow<TfmLernstand>(this); }

void TfmMain::Hilfe1Click(QObject*) {
  if (!FHelpWindow) FHelpWindow = new THelpWindow(this);
  static_cast<THelpWindow*>(FHelpWindow.data())->ShowContents();
}

void TfmMain::Literaturlnachweis1Click(QObject*) {
  ShowSourcesWindow(this, QStringLiteral("Literaturnachweis"), LiteratureSourcesText());
}

void TfmMain::Bildernachweis1Click(QObject*) {
  ShowSourcesWindow(this, QStringLiteral("Bildernachweis"), PictureSourcesText());
}

void TfmMain::About1Click(QObject*) { ShowNavigationWindow<TfmAbout>(this); }
