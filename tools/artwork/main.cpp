// Draws every picture of the program and writes it as a GIF file.
//   velotra_artwork FOLDER            writes all pictures into FOLDER
//   velotra_artwork --verify FOLDER   draws them again and compares with FOLDER
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "Artwork.h"
#include "components/GIFDecoder.h"
#include "components/GIFWriter.h"

namespace {

// Checks that File holds exactly Expected and reads back as Piece describes.
bool VerifyOne(const TArtPiece& Piece, const QString& File, const std::vector<std::uint8_t>& Expected) {
  QFile In(File);
  if (!In.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: missing\n", qPrintable(File));
    return false;
  }
  const QByteArray Data = In.readAll();
  bool Ok = true;
  const auto* Bytes = reinterpret_cast<const std::uint8_t*>(Data.constData());
  const TGIFPicture Picture = DecodeGIF(Bytes, static_cast<std::size_t>(Data.size()));
  if (Picture.Status != TGIFStatus::Ok || Picture.Width != Piece.Width || Picture.Height != Piece.Height ||
      static_cast<int>(Picture.Frames.size()) != Piece.FrameCount) {
    std::fprintf(stderr, "%s: does not read back as %d x %d with %d frame(s)\n", qPrintable(File), Piece.Width,
                 Piece.Height, Piece.FrameCount);
    Ok = false;
  }
  if (Data.size() != static_cast<qsizetype>(Expected.size()) ||
      !std::equal(Expected.begin(), Expected.end(), Bytes)) {
    std::fprintf(stderr, "%s: differs from a fresh drawing (run velotra_artwork on the folder)\n", qPrintable(File));
    Ok = false;
  }
  return Ok;
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
