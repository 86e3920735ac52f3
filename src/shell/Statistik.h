#pragma once
// The statistics chart: one coloured row per course page (chapter colours)
// with its short path in white, and the pupil's way through the course as a
// white line with a red dot per visit, one step to the right per visit.
// Made anew for every opening.
#include <vector>

#include "platform/Forms.h"
#include "platform/PaintBox.h"
#include "shell/StatisticsChart.h"

class TScrollBox;

class TfmStatistik : public TForm {
  Q_OBJECT
 public:
  explicit TfmStatistik(QWidget* Parent = nullptr);
  ~TfmStatistik() override;

  TScrollBox* ScrollBox1() const;
  TPaintBox* PaintBox1() const;

  // The course pages of the rows, in course order.
  const std::vector<int>& Pages() const { return FPages; }
  // The chart as it is painted now, measured with the paint box's font.
  TStatisticsChart Chart() const;

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void PaintBox1Paint(QObject* Sender);

 private:
  // The chart as a table for screen readers: per page its label, how often
  // it was visited and as which visits of the way.
  TPaintedTable ChartTable(const TStatisticsChart& C, const std::vector<int>& Way) const;

  std::vector<int> FPages;
};
