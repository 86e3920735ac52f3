// Draws every picture of the program and writes it as a GIF file.
//   velotra_artwork FOLDER            writes all pictures into FOLDER
//   velotra_artwork --verify FOLDER   draws them again and compares with FOLDER
//                                     (as pictures, within a small tolerance)
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "ArtCompare.h"
#include "Artwork.h"
#include "components/GIFDecoder.h"
#include "components/GIFWriter.h"

namespace {

// Checks that File reads back as Piece describes and looks like Expected
// (a fresh encoding of the drawing).
bool VerifyOne(const TArtPiece& Piece, const QString& File, const std::vector<std::uint8_t>& Expected) {
  QFile In(File);
  if (!In.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: missing\n", qPrintable(File));
    return false;
  }
  const QByteArray Data = In.readAll();
  const TGIFPicture Picture =
      DecodeGIF(reinterpret_cast<const std::uint8_t*>(Data.constData()), static_cast<std::size_t>(Data.size()));
  if (Picture.Status != TGIFStatus::Ok || Picture.Width != Piece.Width || Picture.Height != Piece.Height ||
      static_cast<int>(Picture.Frames.size()) != Piece.FrameCount) {
    std::fprintf(stderr, "%s: does not read back as %d x %d with %d frame(s)\n", qPrintable(File), Piece.Width,
                 Piece.Height, Piece.FrameCount);
    return false;
  }
  const TGIFPicture Fresh = DecodeGIF(Expected.data(), Expected.size());
  const TPictureDistance D = PictureDistance(Picture, Fresh);
  const bool Close = LooksAlike(D);
  std::printf("%-24s mean %.2f, far %.3f %%%s\n", qPrintable(Piece.FileName), D.MeanChannel, 100 * D.Far,
              Close ? "" : "  differs from a fresh drawing (run velotra_artwork on the folder)");
  return Close;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  const bool Verify = argc == 3 && std::strcmp(argv[1], "--verify") == 0;
  if (!Verify && argc != 2) {
    std::fprintf(stderr, "usage: velotra_artwork [--verify] FOLDER\n");
    return 2;
  }
  const QString Folder = QString::fromLocal8Bit(argv[argc - 1]);
  int Failures = 0;
  for (const TArtPiece& Piece : ArtCatalogue()) {
    const std::vector<std::uint8_t> Bytes = EncodeArt(Piece.Draw());
    const QString File = Folder + QLatin1Char('/') + Piece.FileName;
    if (Bytes.empty()) {
      std::fprintf(stderr, "%s: could not be encoded\n", qPrintable(Piece.FileName));
      ++Failures;
    } else if (Verify) {
      Failures += VerifyOne(Piece, File, Bytes) ? 0 : 1;
    } else if (!WriteFileAtomically(File.toStdString(), Bytes)) {
      std::fprintf(stderr, "%s: could not be written\n", qPrintable(File));
      ++Failures;
    } else {
      std::printf("%-24s %7zu bytes\n", qPrintable(Piece.FileName), Bytes.size());
    }
  }
  return Failures == 0 ? 0 : 1;
}
