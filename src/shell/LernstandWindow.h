#pragma once
// The Lernstand window (Extras, "Lernstand..."): the table of the pupil's
// progress, and "&Drucken" (on the printer, or as a PDF file when there is
// none), "&Exportieren..." (a CSV file for the teacher; the pupil's name is
// asked once and kept) and "&Zurücksetzen..." (after a question; the old
// file is kept as lernstand.bak). A copy of the program that only reads the
// Lernstand cannot reset it. Made anew for every opening.
#include <memory>

#include "platform/Forms.h"
#include "shell/LernstandReport.h"

class TMMButton;
class TPaintBox;
class TScrollBox;

class TfmLernstand : public TForm {
  Q_OBJECT
 public:
  explicit TfmLernstand(QWidget* Parent = nullptr);
  ~TfmLernstand() override;

  TScrollBox* ScrollBox1() const;
  TPaintBox* PaintBox1() const;
  TMMButton* MMButton1() const;
  TMMButton* MMButton2() const;
  TMMButton* MMButton3() const;
  // The table as it is shown now.
  const TLernstandReport& Report() const { return *FReport; }

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key, int Shift);
  void PaintBox1Paint(QObject* Sender);
  void MMButton1Click(QObject* Sender);
  void MMButton2Click(QObject* Sender);
  void MMButton3Click(QObject* Sender);

 private:
  // Lays out the table from the course object's Lernstand.
  void Refresh();
  std::unique_ptr<TLernstandReport> FReport;
};
