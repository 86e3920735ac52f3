#pragma once
// Printing the main window (or another picture, the Lernstand): its picture
// at the top left of the first page, as large as it looks on a 96 dpi
// screen, on the default printer or into a PDF file.
#include <QImage>
#include <QString>
#include <stdexcept>

class QPagedPaintDevice;

class EPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints Picture proportionally at the top left of Device's first page
// (its coordinates starting at the corner of the paper). Throws EPrintError.
void PrintPicture(const QImage& Picture, QPagedPaintDevice& Device);
// Whether the system has a default printer.
bool HasDefaultPrinter();
// Prints Picture on the default printer. Throws EPrintError.
void PrintOnDefaultPrinter(const QImage& Picture);
// Prints Picture on an A4 page of the PDF file FileName, replacing it only
// when the whole document was written. Throws EPrintError.
void PrintToPdf(const QImage& Picture, const QString& FileName);

// What the print command does with Picture: prints it on the default
// printer; without one it asks whether What ("die Seite") is to be saved as
// a PDF file instead, asks for the file (DialogTitle) and writes it. A
// failure is told in a message.
void PrintOrSaveAsPdf(const QImage& Picture, const QString& What, const QString& DialogTitle);
