#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

// libjpeg reports fatal errors here; control returns to the setjmp point of
// RunDecode, and the decoder is destroyed by its caller.
[[noreturn]] void OnError(j_common_ptr Info) {
  auto* Err = reinterpret_cast<ErrorManager*>(Info->err);
  (*Info->err->format_message)(Info, Err->Message);
  std::longjmp(Err->Jump, 1);
}

// Warnings (damaged entropy data, a missing end) are not printed; what can be
// decoded is kept.
void OnOutput(j_common_ptr) {}

// Everything that lives across the setjmp point is here, on the heap, so that
// nothing with a destructor sits in the frame the long jump returns to.
struct DecodeState {
  jpeg_decompress_struct Info{};
  ErrorManager Err{};
  std::vector<JSAMPLE> Row;
  QImage* Image = nullptr;
  bool Created = false;
  const char* Refusal = nullptr;
};

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE Rgb32Space = JCS_EXT_ARGB;
#endif

void CmykRowToRgb32(const JSAMPLE* In, QRgb* Out, int Width, bool Inverted) {
  for (int X = 0; X < Width; ++X, In += 4) {
    int C = In[0], M = In[1], Y = In[2], K = In[3];
    if (!Inverted) {
      C = 255 - C;
      M = 255 - M;
      Y = 255 - Y;
      K = 255 - K;
    }
    Out[X] = qRgb(C * K / 255, M * K / 255, Y * K / 255);
  }
}

bool RunDecode(DecodeState& S, const QByteArray& Data) {
  if (setjmp(S.Err.Jump)) return false;
  S.Created = true;
  jpeg_create_decompress(&S.Info);
  jpeg_mem_src(&S.Info, reinterpret_cast<const unsigned char*>(Data.constData()),
               static_cast<unsigned long>(Data.size()));
  jpeg_read_header(&S.Info, TRUE);
  if (S.Info.image_width == 0 || S.Info.image_height == 0 ||
      static_cast<long long>(S.Info.image_width) * S.Info.image_height > MaxJpegPixels) {
    S.Refusal = "image size out of range";
    return false;
  }
  const bool Cmyk = S.Info.jpeg_color_space == JCS_CMYK || S.Info.jpeg_color_space == JCS_YCCK;
  S.Info.out_color_space = Cmyk ? JCS_CMYK : Rgb32Space;
  jpeg_start_decompress(&S.Info);
  *S.Image = QImage(static_cast<int>(S.Info.output_width), static_cast<int>(S.Info.output_height),
                    QImage::Format_RGB32);
  if (S.Image->isNull()) {
    S.Refusal = "out of memory";
    return false;
  }
  if (Cmyk) S.Row.resize(static_cast<std::size_t>(S.Info.output_width) * 4);
  while (S.Info.output_scanline < S.Info.output_height) {
    const int Y = static_cast<int>(S.Info.output_scanline);
    JSAMPROW Target = Cmyk ? S.Row.data() : reinterpret_cast<JSAMPROW>(S.Image->scanLine(Y));
    if (jpeg_read_scanlines(&S.Info, &Target, 1) != 1) break;
    if (Cmyk)
      CmykRowToRgb32(S.Row.data(), reinterpret_cast<QRgb*>(S.Image->scanLine(Y)), S.Image->width(),
                     S.Info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&S.Info);
  return true;
}

}  // namespace

bool IsJpegData(const QByteArray& Data) {
  return Data.size() >= 3 && static_cast<unsigned char>(Data[0]) == 0xFF &&
         static_cast<unsigned char>(Data[1]) == 0xD8 && static_cast<unsigned char>(Data[2]) == 0xFF;
}

bool DecodeJpeg(const QByteArray& Data, QImage& Image, QString& Error) {
  Image = QImage();
  auto S = std::make_unique<DecodeState>();
  S->Image = &Image;
  S->Info.err = jpeg_std_error(&S->Err.Pub);
  S->Err.Pub.error_exit = OnError;
  S->Err.Pub.output_message = OnOutput;
  const bool Ok = RunDecode(*S, Data);
  if (S->Created) jpeg_destroy_decompress(&S->Info);
  if (!Ok) {
    Image = QImage();
    Error = QString::fromLatin1(S->Refusal ? S->Refusal : S->Err.Message);
  }
  return Ok;
}
