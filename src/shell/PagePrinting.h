#pragma once
// Printing the main window: its picture at the top left of the first page,
// as large as it looks on a 96 dpi screen, on the default printer or into a
// PDF file.
#include <QImage>
#include <QString>
#include <stdexcept>

class QPrinter;

class EPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints Picture proportionally on Printer. Throws EPrintError.
void PrintPicture(const QImage& Picture, QPrinter& Printer);
// Whether the system has a default printer.
bool HasDefaultPrinter();
// Prints Picture on the default printer. Throws EPrintError.
void PrintOnDefaultPrinter(const QImage& Picture);
// Prints Picture into the PDF file FileName, replacing it only when the
// whole document was written. Throws EPrintError.
void PrintToPdf(const QImage& Picture, const QString& FileName);
