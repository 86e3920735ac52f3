#pragma once
// A status bar made of panels of fixed widths, each with a text, an
// alignment and an optional lowered bevel; the last panel reaches to the
// right edge.
#include <QString>
#include <QWidget>
#include <vector>

struct TStatusPanel {
  int Width = 50;
  QString Text;
  Qt::Alignment Alignment = Qt::AlignLeft;
  bool Bevel = true;
};

class TStatusPanels : public QWidget {
  Q_OBJECT
 public:
  explicit TStatusPanels(QWidget* Parent = nullptr);

  void AddPanel(const TStatusPanel& Panel);
  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  const TStatusPanel& Panel(int Index) const { return FPanels.at(static_cast<size_t>(Index)); }
  // The text of panel Index; out-of-range indices read "" and write nothing.
  QString PanelText(int Index) const;
  void SetPanelText(int Index, const QString& Text);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  std::vector<TStatusPanel> FPanels;
};
