#include "shell/PagePrinting.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "platform/Dialogs.h"
#include "platform/SaveDialog.h"

namespace {
constexpr double ScreenDpi = 96.0;

[[noreturn]] void FailToWrite(const QString& FileName, const QString& Why) {
  throw EPrintError(
      QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2").arg(FileName, Why).toStdString());
}
}  // namespace

QRectF PrintedArea(const QSize& PictureSize, const QPagedPaintDevice& Device) {
  double Width = PictureSize.width() * Device.logicalDpiX() / ScreenDpi;
  double Height = PictureSize.height() * Device.logicalDpiY() / ScreenDpi;
  // An 800-pixel window is 211,7 mm wide at 96 dpi, A4 paper 210 mm.
  const double PageWidth = Device.width();
  if (PageWidth > 0 && Width > PageWidth) {
    Height *= PageWidth / Width;
    Width = PageWidth;
  }
  return QRectF(0, 0, Width, Height);
}

void PrintPicture(const QImage& Picture, QPagedPaintDevice& Device) {
  QPainter Painter;
  if (!Painter.begin(&Device)) throw EPrintError("Der Druck konnte nicht begonnen werden.");
  Painter.drawImage(PrintedArea(Picture.size(), Device), Picture);
  if (!Painter.end()) throw EPrintError("Der Druck konnte nicht abgeschlossen werden.");
}

void SetUpPdfPage(QPdfWriter& Writer) {
  Writer.setCreator(QStringLiteral("Velotra"));
  Writer.setResolution(1200);
  Writer.setPageSize(QPageSize(QPageSize::A4));
  Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

bool HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

void PrintOnDefaultPrinter(const QImage& Picture) {
  const QPrinterInfo Default = QPrinterInfo::defaultPrinter();
  if (Default.isNull()) throw EPrintError("Es ist kein Drucker eingerichtet.");
  QPrinter Printer(Default, QPrinter::HighResolution);
  // Coordinates from the corner of the paper, not of the printable area.
  Printer.setFullPage(true);
  PrintPicture(Picture, Printer);
}

void PrintToPdf(const QImage& Picture, const QString& FileName) {
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly)) FailToWrite(FileName, File.errorString());
  {
    QPdfWriter Writer(&File);
    SetUpPdfPage(Writer);
    PrintPicture(Picture, Writer);
  }
  if (!File.commit()) FailToWrite(FileName, File.errorString());
}

void PrintOrSaveAsPdf(const QImage& Picture, const QString& What, const QString& DialogTitle) {
  try {
    if (HasDefaultPrinter()) {
      PrintOnDefaultPrinter(Picture);
      return;
    }
    if (MessageDlg(QStringLiteral("Es ist kein Drucker eingerichtet.\r\nSoll %1 stattdessen als PDF-Datei "
                                  "gespeichert werden?")
                       .arg(What),
                   mtConfirmation, mbYesNo) != mrYes)
      return;
    TSaveDialog Dialog;
    Dialog.SetTitle(DialogTitle);
    Dialog.SetFilter(QStringLiteral("PDF-Dokument (*.pdf)|*.pdf"));
    Dialog.SetDefaultExt(QStringLiteral("pdf"));
    if (!Dialog.Execute()) return;
    PrintToPdf(Picture, Dialog.FileName());
  } catch (const EPrintError& E) {
    MessageDlg(QString::fromStdString(E.what()), mtError, mbOKOnly);
  }
}
