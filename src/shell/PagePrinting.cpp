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

void PrintPicture(const QImage& Picture, QPagedPaintDevice& Device) {
  QPainter Painter;
  if (!Painter.begin(&Device)) throw EPrintError("Der Druck konnte nicht begonnen werden.");
  const double Width = Picture.width() * Device.logicalDpiX() / ScreenDpi;
  const double Height = Picture.height() * Device.logicalDpiY() / ScreenDpi;
  Painter.drawImage(QRectF(0, 0, Width, Height), Picture);
  if (!Painter.end()) throw EPrintError("Der Druck konnte nicht abgeschlossen werden.");
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
    Writer.setCreator(QStringLiteral("Velotra"));
    Writer.setResolution(1200);
    Writer.setPageSize(QPageSize(QPageSize::A4));
    Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
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
