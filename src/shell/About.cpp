#include "shell/About.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QProgressDialog>
#include <QSaveFile>
#include <cmath>

#include "components/GIFImage.h"
#include "components/MyHtml.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Edit.h"
#include "platform/StdControls.h"
#include "shell/MMX.h"
#include "shell/MessageProcs.h"
#include "shell/PageImage.h"
#include "shell/Pictures.h"

namespace {

TfmAbout::TFolderChooser& FolderChooser() {
  static TfmAbout::TFolderChooser Chooser;
  return Chooser;
}

std::optional<QString> ChooseFolder(const QString& Proposed) {
  if (const TfmAbout::TFolderChooser& Chooser = FolderChooser()) return Chooser(Proposed);
  const QString Folder = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), QStringLiteral("Ordner für die Seitenbilder"), Proposed);
  if (Folder.isEmpty()) return std::nullopt;
  return Folder;
}

QString PathOf(const TMMX& Course, int Page) { return QString::fromStdString(Course.Model().Contents().Path(Page)); }

// Reads "MemTotal" and "MemAvailable" of the system, in bytes.
std::optional<std::pair<unsigned long long, unsigned long long>> SystemMemory() {
  QFile Info(QStringLiteral("/proc/meminfo"));
  if (!Info.open(QIODevice::ReadOnly)) return std::nullopt;
  unsigned long long Total = 0, Available = 0;
  for (const QByteArray& Line : Info.readAll().split('\n')) {
    const QList<QByteArray> Parts = Line.simplified().split(' ');
    if (Parts.size() < 2) continue;
    if (Parts[0] == "MemTotal:") Total = Parts[1].toULongLong() * 1024;
    if (Parts[0] == "MemAvailable:") Available = Parts[1].toULongLong() * 1024;
  }
  if (Total == 0) return std::nullopt;
  return std::make_pair(Total, Available);
}

}  // namespace

QString AboutVersionText(const QDateTime& ProgramDate) {
  // Day numbers count from 30 December 1899; 35795 is 31 December 1997.
  const QDateTime Base(QDate(1899, 12, 30), QTime(0, 0), ProgramDate.timeSpec());
  const double Days = static_cast<double>(Base.msecsTo(ProgramDate)) / 86400000.0;
  const long long B = static_cast<long long>(std::nearbyint(Days)) - 35795;
  return QStringLiteral("Version ALPHA (0.73.%1)").arg(B);
}

QString MemoryText(unsigned long long Total, unsigned long long Available) {
  const unsigned long long Load = Total == 0 ? 0 : (Total - std::min(Available, Total)) * 100 / Total;
  return QStringLiteral("Phys. Speicher: %1% = %2 MB").arg(Load).arg(Available >> 20);
}

TfmAbout::TFolderChooser TfmAbout::SetFolderChooser(TFolderChooser Chooser) {
  TFolderChooser Before = std::move(FolderChooser());
  FolderChooser() = std::move(Chooser);
  return Before;
}

TfmAbout::TfmAbout(QWidget* Parent) : TForm(Parent) {
  // A window of its own above the main window, with a dialog's fixed border.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
}

void TfmAbout::FormCreate(QObject*) {
  setFixedSize(size());
  Component<TGIFImage>(QStringLiteral("GIFImage1"))->LoadFromData(PictureFile(QStringLiteral("figure.gif")));
}

void TfmAbout::FormShow(QObject*) {
  Component<TLabel>(QStringLiteral("ProductName"))->SetCaption(ApplicationTitle());
  const QFileInfo Program(QCoreApplication::applicationFilePath());
  Component<TLabel>(QStringLiteral("Version"))->SetCaption(AboutVersionText(Program.lastModified()));
  Component<TEdit>(QStringLiteral("Edit1"))->SetText(QDir::toNativeSeparators(Program.absoluteFilePath()));
  Component<TGIFImage>(QStringLiteral("GIFImage1"))->SetAnimate(true);
}

void TfmAbout::hideEvent(QHideEvent* Event) {
  // The figure moves only while the window is shown.
  if (auto* Figure = qobject_cast<TGIFImage*>(FindComponent(QStringLiteral("GIFImage1")))) Figure->SetAnimate(false);
  TForm::hideEvent(Event);
}

void TfmAbout::MMButton1Click(QObject*) { SetModalResult(mrOk); }

void TfmAbout::FormKeyDown(QObject*, int& Key, int) {
  const int Pressed = Key;
  Key = 0;
  switch (Pressed) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      SetModalResult(mrOk);
      break;
    case Qt::Key_F1: {
      if (!MMX) break;
      const QWidget* Bar = MMX->ToolBar();
      const QWidget* Host = MMX->PageHost();
      const QWidget* Main = MMX->MainWindow();
      ShowMessage(QStringLiteral("Ausmaße der einzelnen Bereiche : \r\nToolbar: %1 x %2\r\nSeite: %3 x %4/%5\r\n"
                                 "Applikation: %6 x %7\r\n")
                      .arg(Bar->width())
                      .arg(Bar->height())
                      .arg(Host->width())
                      .arg(Host->height())
                      .arg(Bar->height() + Host->height())
                      .arg(Main->width())
                      .arg(Main->height()));
      break;
    }
    case Qt::Key_F2:
      if (const auto Memory = SystemMemory())
        ShowMessage(MemoryText(Memory->first, Memory->second));
      else
        ShowMessage(QStringLiteral("Der Speicher des Systems lässt sich nicht lesen."));
      break;
    case Qt::Key_F3:
      if (MMX) {
        const QString Written = ExportPageTexts(*MMX, QStringLiteral("QXInfo.txt"));
        if (!Written.isEmpty()) ShowMessage(QStringLiteral("Die Seitentexte stehen in %1.").arg(Written));
      }
      break;
    case Qt::Key_F4:
      ShowInfo(QStringLiteral("Dies ist eine Nachricht, die über 80 Zeichen hinausgeht. Wir proben also eine neue "
                              "Darstellung."));
      break;
    case Qt::Key_F5:
      ShowInfo(QStringLiteral("Dies ist eine Nachricht"));
      break;
    case Qt::Key_F6:
      ShowInfo(QStringLiteral("Dies ist eine Nachricht, die über 80 Zeichen hinausgeht. Wir proben also eine neue "
                              "Darstellung.So geht es dann weiter, wenn es deutlich über 160 Zeichen sind. Die "
                              "Darstellung ist nicht mehr so schön!"));
      break;
    case Qt::Key_F7:
      ExportPicturesAsked();
      break;
    case Qt::Key_F8: {
      // The text control joins its lines with a blank: each name ends its
      // own line.
      QStringList Names;
      for (const QWidget* W : QApplication::topLevelWidgets())
        if (W->isVisible()) Names << QString::fromLatin1(W->metaObject()->className()) + QStringLiteral(" <br>");
      Component<TMiniHTML>(QStringLiteral("Memo1"))->SetLines(Names);
      break;
    }
    default:
      Key = Pressed;  // not ours
  }
}

QString TfmAbout::ExportPageTexts(TMMX& Course, const QString& FileName) {
  const TTableOfContents& Contents = Course.Model().Contents();
  QStringList Lines;
  for (const TTocNodeId Id : Contents.CourseOrder()) {
    const int Page = Contents.Node(Id).Page;
    if (Page < 0) continue;
    const std::string ClassName(Course.Model().Pages().ClassOf(Page));
    std::unique_ptr<QWidget> Form = ClassName.empty() || !Course.PageFactory ? nullptr : Course.PageFactory(ClassName, nullptr);
    if (!Form) {
      ShowMessage(QStringLiteral("Für %1 existiert noch kein Formular!").arg(PathOf(Course, Page)));
      continue;
    }
    Lines << QStringLiteral("%1: %2").arg(Page).arg(PathOf(Course, Page));
    // Only plain text controls, in the order the design made them.
    const auto* Designed = qobject_cast<const TCustomForm*>(Form.get());
    const QList<QObject*> Components = Designed ? Designed->Components() : QList<QObject*>();
    for (const QObject* C : Components)
      if (C->metaObject() == &TMiniHTML::staticMetaObject)
        for (const QString& Line : static_cast<const TMiniHTML*>(C)->Lines()) Lines << QStringLiteral("  ") + Line;
  }
  QSaveFile File(FileName);
  const QByteArray Text = (Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
  if (!File.open(QIODevice::WriteOnly) || File.write(Text) != Text.size() || !File.commit()) {
    MessageDlg(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2").arg(FileName, File.errorString()),
               mtError, mbOKOnly);
    return {};
  }
  return QFileInfo(FileName).absoluteFilePath();
}

int TfmAbout::ExportPagePictures(TMMX& Course, const QString& Folder, QWidget* ProgressOwner) {
  const TTableOfContents& Contents = Course.Model().Contents();
  std::vector<int> Pages;
  for (const TTocNodeId Id : Contents.CourseOrder()) {
    const int Page = Contents.Node(Id).Page;
    if (Page < 0 || Course.Model().Pages().ClassOf(Page).empty()) continue;
    Pages.push_back(Page);
  }
  // The walk visits pages outside an exclusive learning path too; the flag
  // comes back however the walk ends.
  TLearnPath& Path = Course.Model().LearnPath();
  struct TExclusiveRestorer {
    TLearnPath& Path;
    const bool Exclusive;
    ~TExclusiveRestorer() { Path.SetExclusive(Exclusive); }
  } Restorer{Path, Path.Exclusive()};
  Path.SetExclusive(false);
  QProgressDialog Progress(QStringLiteral("Seitenbilder werden geschrieben ..."), QStringLiteral("Abbrechen"), 0,
                           static_cast<int>(Pages.size()), ProgressOwner);
  Progress.setWindowTitle(QStringLiteral("Seitenbilder"));
  Progress.setWindowModality(Qt::WindowModal);
  Progress.setMinimumDuration(300);
  int Written = 0;
  for (const int Page : Pages) {
    // The author's "Abbrechen" (and repaints) get through between pages, also
    // before the progress dialog has appeared.
    QCoreApplication::processEvents();
    if (Progress.wasCanceled()) break;
    Progress.setValue(Written);
    Course.GotoPage(Page, false);
    if (Course.CurrentPage() != Page) continue;  // no form after all: nothing under its number
    try {
      Course.SavePageImageToFile(QDir(Folder).filePath(QStringLiteral("%1.gif").arg(Page)), 25, true);
    } catch (const EPictureWriteError& E) {
      MessageDlg(QString::fromStdString(E.what()), mtError, mbOKOnly);
      break;
    }
    ++Written;
  }
  Progress.setValue(static_cast<int>(Pages.size()));
  return Written;
}

void TfmAbout::ExportPicturesAsked() {
  if (!MMX) return;
  const QString Question = QStringLiteral("Hiermit erzeugen Sie von jeder Seite ein GIF-Bild. Fortfahren?");
  if (MessageDlg(Question, mtWarning, mbYesNo) != mrYes) return;
  const std::optional<QString> Folder = ChooseFolder(QDir::currentPath());
  if (!Folder) return;
  // The window steps aside while the pages are pictured and comes back
  // however the export ends.
  struct TShowAgain {
    TfmAbout* Window;
    ~TShowAgain() { Window->show(); }
  } ShowAgain{this};
  hide();
  ExportPagePictures(*MMX, *Folder, MMX->MainWindow());
}
