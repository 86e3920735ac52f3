#pragma once
#include <QMainWindow>

// The course's main window: tool bar, menus, page host and status bar.
class TfmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmMain(QWidget* Parent = nullptr);
};
