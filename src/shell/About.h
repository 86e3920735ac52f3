#pragma once
// TfmAbout: the information window (title, version, credits, the program's
// path) with the authors' functions on the function keys:
//   F1 sizes of tool bar, page and window      F5 a short test message
//   F2 physical memory in use and free          F6 a long test message
//   F3 all page texts into "QXInfo.txt"         F7 every page as a GIF picture
//   F4 a medium test message                    F8 the classes of the open windows
// Enter and Escape close it.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/Forms.h"

class TMMX;

class TfmAbout : public TForm {
  Q_OBJECT
 public:
  explicit TfmAbout(QWidget* Parent = nullptr);

  // Where F7 writes its pictures; the folder chooser in the program,
  // replaceable for tests. Nothing: cancelled.
  using TFolderChooser = std::function<std::optional<QString>(const QString& Proposed)>;
  static TFolderChooser SetFolderChooser(TFolderChooser Chooser);

  // F3 and F7, also for callers without the window's keys.
  static QString ExportPageTexts(TMMX& Course, const QString& FileName);
  // Writes N.gif at a quarter of the page's size for every page of the
  // table of contents that has a page form, in course order; returns how
  // many were written (fewer when cancelled or on an error, which is shown).
  static int ExportPagePictures(TMMX& Course, const QString& Folder, QWidget* ProgressOwner);

 public slots:
  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  void MMButton1Click(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);

 protected:
  void hideEvent(QHideEvent* Event) override;

 private:
  void ExportPicturesAsked();
};

// "Version ALPHA (0.73.B)": B counts the days from 31 December 1997 to the
// program file's date.
QString AboutVersionText(const QDateTime& ProgramDate);

// The memory message of F2 from the system's figures (bytes).
QString MemoryText(unsigned long long Total, unsigned long long Available);
