#pragma once
// Printing the main window (or another picture, the Lernstand): its picture
// at the top left of the first page, as large as it looks on a 96 dpi
// screen (a picture wider than the paper is made smaller until it fits,
// never larger), on the default printer or into a PDF file.
#include <QImage>
#include <QRectF>
#include <QString>
#include <stdexcept>

class QPagedPaintDevice;
class QPdfWriter;

class EPrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where PrintPicture puts a picture of PictureSize on Device, in the
// device's pixels: PictureSize at 96 dpi, shrunk with its proportions kept
// when it is wider than the device's page.
QRectF PrintedArea(const QSize& PictureSize, const QPagedPaintDevice& Device);
// Prints Picture proportionally at the top left of Device's first page
// (its coordinates starting at the corner of the paper). Throws EPrintError.
void PrintPicture(const QImage& Picture, QPagedPaintDevice& Device);
// Whether the system has a default printer.
bool HasDefaultPrinter();
// Prints Picture on the default printer. Throws EPrintError.
void PrintOnDefaultPrinter(const QImage& Picture);
// The page PrintToPdf prints on: A4 at 1200 dpi, without margins.
void SetUpPdfPage(QPdfWriter& Writer);
// Prints Picture on an A4 page of the PDF file FileName, replacing it only
// when the whole document was written. Throws EPrintError.
void PrintToPdf(const QImage& Picture, const QString& FileName);

// What the print command does with Picture: prints it on the default
// printer; without one it asks whether What ("die Seite") is to be saved as
// a PDF file instead, asks for the file (DialogTitle) and writes it. A
// failure is told in a message.
void PrintOrSaveAsPdf(const QImage& Picture, const QString& What, const QString& DialogTitle);
