#pragma once
// TSaveDialog: asks for the name of a file to write. The question goes
// through one replaceable presenter: the platform's file dialog in the
// program (which asks before an existing file is replaced), a stand-in in
// tests, so no test ever waits for a choice.
//
// Filter takes the design notation "Textdatei (*.txt)|*.txt" (pairs of
// description and patterns, separated by "|"); DefaultExt (without dot) is
// appended to a chosen name without extension.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/Streamable.h"

struct TSaveRequest {
  QString Title;
  QString FileName;      // proposed name
  QStringList Filters;   // Qt notation: "Textdatei (*.txt)"
  QString DefaultExt;
  // Whether the file dialog itself asks before an existing file is
  // replaced (off when the caller asks in its own words).
  bool ConfirmOverwrite = true;
};

// The chosen file's name, or nothing when the pupil cancelled. The answer
// counts as agreed to replace an existing file of that name.
using TSavePresenter = std::function<std::optional<QString>(const TSaveRequest& Request)>;

// Installs a presenter and returns the one before; an empty presenter
// restores the file dialog.
TSavePresenter SetSavePresenter(TSavePresenter Presenter);

class TSavePresenterScope {
 public:
  explicit TSavePresenterScope(TSavePresenter Presenter) : FPrevious(SetSavePresenter(std::move(Presenter))) {}
  ~TSavePresenterScope() { SetSavePresenter(std::move(FPrevious)); }
  TSavePresenterScope(const TSavePresenterScope&) = delete;
  TSavePresenterScope& operator=(const TSavePresenterScope&) = delete;

 private:
  TSavePresenter FPrevious;
};

// "Textdatei (*.txt)|*.txt|Alle (*.*)|*.*" -> {"Textdatei (*.txt)", "Alle (*.*)"};
// a description without its patterns in brackets gets them appended.
QStringList QtFileFilters(const QString& DesignFilter);

class TSaveDialog : public QObject, public TStreamable {
  Q_OBJECT
  Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
  Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
  Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
 public:
  explicit TSaveDialog(QObject* Owner = nullptr);

  QString Filter() const { return FFilter; }
  void SetFilter(const QString& Value) { FFilter = Value; }
  QString DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const QString& Value) { FDefaultExt = Value; }
  QString FileName() const { return FFileName; }
  void SetFileName(const QString& Value) { FFileName = Value; }
  QString Title() const { return FTitle; }
  void SetTitle(const QString& Value) { FTitle = Value; }
  bool ConfirmOverwrite() const { return FConfirmOverwrite; }
  void SetConfirmOverwrite(bool Value) { FConfirmOverwrite = Value; }

  // Asks; true with FileName set when a file was chosen.
  bool Execute();

 private:
  QString FFilter;
  QString FDefaultExt;
  QString FFileName;
  QString FTitle;
  bool FConfirmOverwrite = true;
};
