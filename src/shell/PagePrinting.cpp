#include "shell/PagePrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace {
constexpr double ScreenDpi = 96.0;
}  // namespace

void PrintPicture(const QImage& Picture, QPrinter& Printer) {
  QPainter Painter;
  if (!Painter.begin(&Printer)) throw EPrintError("Der Druck konnte nicht begonnen werden.");
  const double Width = Picture.width() * Printer.logicalDpiX() / ScreenDpi;
  const double Height = Picture.height() * Printer.logicalDpiY() / ScreenDpi;
  // Printed from the top left of the paper, not of the printable area.
  const QRectF Paper = Printer.paperRect(QPrinter::DevicePixel);
  const QRectF Page = Printer.pageRect(QPrinter::DevicePixel);
  Painter.drawImage(QRectF(Paper.left() - Page.left(), Paper.top() - Page.top(), Width, Height), Picture);
  if (!Painter.end()) throw EPrintError("Der Druck konnte nicht abgeschlossen werden.");
}

bool HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

void PrintOnDefaultPrinter(const QImage& Picture) {
  const QPrinterInfo Default = QPrinterInfo::defaultPrinter();
  if (Default.isNull()) throw EPrintError("Es ist kein Drucker eingerichtet.");
  QPrinter Printer(Default, QPrinter::HighResolution);
  Printer.setFullPage(true);
  PrintPicture(Picture, Printer);
}

void PrintToPdf(const QImage& Picture, const QString& FileName) {
  const QFileInfo Target(FileName);
  // A temporary file beside the target, renamed over it at the end.
  QTemporaryFile Temporary(Target.absoluteDir().filePath(QStringLiteral(".velotra-XXXXXX.pdf")));
  if (!Temporary.open())
    throw EPrintError(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2")
                          .arg(FileName, Temporary.errorString())
                          .toStdString());
  Temporary.close();
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setOutputFormat(QPrinter::PdfFormat);
  Printer.setOutputFileName(Temporary.fileName());
  Printer.setFullPage(true);
  PrintPicture(Picture, Printer);
  // rename() replaces an existing target in one step.
  if (std::rename(QFile::encodeName(Temporary.fileName()).constData(), QFile::encodeName(Target.absoluteFilePath()).constData()) != 0)
    throw EPrintError(
        QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(FileName).toStdString());
  Temporary.setAutoRemove(false);
}
