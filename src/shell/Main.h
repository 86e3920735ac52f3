#pragma once
// TfmMain: the course's main window. A menu, the tool bar (Panel1) with the
// navigation buttons and the page combo, the page host (Panel2) that shows
// one page at a time, and the status bar. It owns the course object TMMX,
// wires its buttons, menu items and combo to it, and carries out the posted
// navigation messages.
//
// Navigation message codes (Param is the message's value):
//   -3 ... 3  navigate by kind, with history when Param >= 1
//   4         go to page abs(Param), with history when Param >= 1
//   5 / 6     hide / show the main window
//   32 + i    diagnostic panel i (0 ... 11) shows Param; the diagnostic bar
//             appears first, the window growing by its height
//   63        the diagnostic bar disappears, the window shrinking again
//   anything else (44 ... 62 included) is ignored
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <deque>
#include <memory>

#include "shell/Calculator.h"

class QAction;
class QComboBox;
class QMenu;
class QMenuBar;
class QToolButton;
class TGIFImage;
class TMMX;
class TPanel;
class TStatusPanels;
class TXShape;
class TfmPages;

// The codes of the navigation message besides the kinds -3 ... 3 and 4.
constexpr int HideMainCode = 5;
constexpr int ShowMainCode = 6;
constexpr int DiagnosticPanelCode = 32;
constexpr int DiagnosticPanelCount = 12;
constexpr int HideDiagnosticCode = 63;

// The status bar panel that shows the sound flag.
constexpr int SoundPanel = 2;

class TfmMain : public QWidget {
  Q_OBJECT
 public:
  explicit TfmMain(QWidget* Parent = nullptr);
  ~TfmMain() override;

  TMMX& MMX() const { return *FMMX; }
  // Replaces the calculator (tests start no real programs).
  void SetCalculator(std::unique_ptr<TCalculator> Calculator);
  const TCalculator& Calculator() const { return *FCalculator; }
  // True until the first show has loaded the learning path and page 10
  // (which happens right after the window has appeared).
  bool FirstShowPending() const { return FFirstShow; }
  QMenuBar* MainMenu() const { return FMenuBar; }
  // The page overview "Wo bin ich?": made right after the start page has
  // first been painted (or at its first opening, should that come sooner)
  // and kept for the whole run, so its selection and expansion stay.
  TfmPages& PagesWindow();
  // Work that can wait until the pupil sees the start page: each piece runs
  // once, in the order given, right after the first painting of the window
  // with the start page on it (soon after, when that has happened already).
  void AfterFirstPaint(std::function<void()> Work);

  // Components.
  TPanel* Panel1;
  TXShape* XShape1;
  TPanel* Panel2;
  TStatusPanels* StatusBar;
  TStatusPanels* StatusBar1;
  QComboBox* ComboBox1;
  QToolButton* sbHome;
  QToolButton* sbBack;
  QToolButton* sbForward;
  QToolButton* sbWoBinIch;
  QToolButton* sbStichwort;
  QToolButton* sbTaschenrechner;
  QToolButton* sbSuper;
  QToolButton* sbFirst;
  QToolButton* sbPrev;
  QToolButton* sbNext;
  QToolButton* sbLast;
  QAction* ton1;
  // Hidden picture controls: seven empty ones kept under their names (the
  // chapter backgrounds are decoded straight into the chapters' tiles) and
  // the learning-path arrows ("back", "forward").
  TGIFImage* GIFImage1;
  TGIFImage* GIFImage2;
  TGIFImage* GIFImage3;
  TGIFImage* GIFImage4;
  TGIFImage* GIFImage5;
  TGIFImage* GIFImage6;
  TGIFImage* GIFImage7;
  TGIFImage* giLSide;
  TGIFImage* giRSide;

 public slots:
  void sbHomeClick(QObject* Sender);
  void sbBackClick(QObject* Sender);
  void sbForwardClick(QObject* Sender);
  void sbSuperClick(QObject* Sender);
  void sbWoBinIchClick(QObject* Sender);
  void sbStichwortClick(QObject* Sender);
  void sbTaschenrechnerClick(QObject* Sender);
  void ComboBox1Change(QObject* Sender);
  void Bildspeichern1Click(QObject* Sender);
  void Drucken1Click(QObject* Sender);
  void ExitItemClick(QObject* Sender);
  void History1Click(QObject* Sender);
  void ton1Click(QObject* Sender);
  void Statistik1Click(QObject* Sender);
  void Lernstand1Click(QObject* Sender);
  void Hilfe1Click(QObject* Sender);
  void Literaturlnachweis1Click(QObject* Sender);
  void Bildernachweis1Click(QObject* Sender);
  void About1Click(QObject* Sender);

 public:
  // The window's tool bar, page and status bar as a picture (what printing puts on paper).
  QImage ClientPicture();

 protected:
  bool event(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  // The first show's work: the learning path, then page 10.
  void FirstShow();
  void RunAfterFirstPaint();
  void CreatePictures();
  void CreateToolBar();
  void CreateStatusBars();
  void CreateMenu();
  QAction* AddItem(QMenu* Menu, const QString& Caption, const QKeySequence& Shortcut,
                   void (TfmMain::*Handler)(QObject*));
  QToolButton* AddSpeedButton(const char* Name, int Left, int Tag, const QString& Hint, const char* Glyph,
                              void (TfmMain::*Handler)(QObject*));
  void NavigationMessage(int Code, int Param);
  void ShowDiagnosticPanel(int Index, int Value);
  void HideDiagnosticBar();
  // Lays out menu, tool bar, page host and status bars like aligned panels.
  void AlignControls();
  bool HandleKeyDown(QObject* Receiver, QEvent* Event);

  QMenuBar* FMenuBar;
  std::unique_ptr<TMMX> FMMX;
  std::unique_ptr<TCalculator> FCalculator;
  QPointer<QWidget> FHelpWindow;
  std::unique_ptr<TfmPages> FPagesWindow;
  // The key press seen last and where it arrived first.
  const QEvent* FKeyEvent = nullptr;
  QPointer<QWidget> FKeyReceiver;
  bool FFirstShow = false;
  bool FFirstShowQueued = false;
  // What waits for the first painting; FFirstPainted once it has come.
  std::deque<std::function<void()>> FAfterFirstPaint;
  bool FFirstPainted = false;
};
