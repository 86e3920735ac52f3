#pragma once
// The course's help: a window showing the help document (a program
// resource) and the short windows naming the sources of texts and pictures.
#include <QString>
#include <QWidget>

class QKeyEvent;
class QTextBrowser;

// Where the help document lies among the program's resources.
QString HelpDocumentUrl();

class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* Parent = nullptr);
  QTextBrowser* Browser() const { return FBrowser; }
  // Shows the document at its contents.
  void ShowContents();

 protected:
  // Escape closes the window.
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  QTextBrowser* FBrowser;
};

// The texts of the two sources windows.
QString LiteratureSourcesText();
QString PictureSourcesText();

// A small modal window with Caption and the rich Text, closed with "OK".
void ShowSourcesWindow(QWidget* Parent, const QString& Caption, const QString& Text);
