// Decoding and encoding speed of our GIF codec in Mpixel/s on page-sized
// pictures, next to giflib when it is installed. Before measuring, each
// library reads the other's files back, so the figures compare equal work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "components/GIFDecoder.h"
#include "components/GIFLzw.h"
#include "components/GIFWriter.h"

#ifdef VELOTRA_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

constexpr int kWidth = 736;
constexpr int kHeight = 482;

struct TSample {
  std::string Name;
  TGIFPixels Pixels;
  std::vector<std::uint8_t> File;     // written by us
  std::vector<std::uint8_t> Indices;  // the file's colour indices, row by row
  std::vector<std::uint32_t> Palette; // 0xRRGGBB, 256 entries
};

std::uint32_t Opaque(int R, int G, int B) {
  return 0xFF000000u | static_cast<std::uint32_t>(R & 0xFF) << 16 | static_cast<std::uint32_t>(G & 0xFF) << 8 |
         static_cast<std::uint32_t>(B & 0xFF);
}

// A course page: a vertical colour gradient with text-like dark strokes and
// two framed boxes.
TGIFPixels GradientPage() {
  TGIFPixels P(kWidth, kHeight);
  for (int Y = 0; Y < kHeight; ++Y) {
    const int Step = Y * 200 / kHeight;
    for (int X = 0; X < kWidth; ++X) {
      std::uint32_t C = Opaque(230 - Step / 4, 235 - Step / 3, 255 - Step / 2);
      const bool Box = (X > 60 && X < 330 && Y > 80 && Y < 220) || (X > 400 && X < 690 && Y > 260 && Y < 440);
      if (Box) C = Opaque(255, 255, 240);
      if (Box && ((X / 3) % 7 < 4) && (Y % 18) < 11 && (Y / 18) % 2 == 0) C = Opaque(20, 20, 60);
      P.Row(Y)[X] = C;
    }
  }
  return P;
}

// Photo-like: smooth shapes plus noise, reduced to 256 colours.
TGIFPixels PhotoNoise() {
  std::mt19937 Rng(1);
  TGIFPixels P(kWidth, kHeight);
  for (int Y = 0; Y < kHeight; ++Y) {
    for (int X = 0; X < kWidth; ++X) {
      const int Base = (X * X / 300 + Y * 3 + X * Y / 500) & 0xFF;
      const int Level = std::clamp(Base + static_cast<int>(Rng() % 40) - 20, 0, 255);
      const int Q = Level & 0xFC;  // 64 levels in each of 4 tints
      const int Tint = (X / 184 + Y / 241) & 3;
      P.Row(Y)[X] = Opaque(Q, (Q + Tint * 40) & 0xFF, 255 - Q);
    }
  }
  return P;
}

// A flat drawing: a few colours, large areas, lines.
TGIFPixels FlatDrawing() {
  TGIFPixels P(kWidth, kHeight, Opaque(255, 255, 255));
  for (int Y = 0; Y < kHeight; ++Y) {
    for (int X = 0; X < kWidth; ++X) {
      std::uint32_t C = Opaque(255, 255, 255);
      const int Dx = X - 368, Dy = Y - 241;
      if (Dx * Dx + Dy * Dy < 150 * 150) C = Opaque(255, 200, 0);
      if (X > 500 && Y > 300) C = Opaque(0, 128, 0);
      if (X % 46 == 0 || Y % 41 == 0) C = Opaque(0, 0, 0);
      if ((X + Y) % 97 == 0) C = Opaque(200, 0, 0);
      P.Row(Y)[X] = C;
    }
  }
  return P;
}

std::vector<TSample>& Samples() {
  static std::vector<TSample> All = [] {
    std::vector<TSample> S;
    const std::pair<const char*, TGIFPixels (*)()> Makers[] = {
        {"gradient_page", GradientPage}, {"photo_noise", PhotoNoise}, {"flat_drawing", FlatDrawing}};
    for (auto [Name, Make] : Makers) {
      TSample T;
      T.Name = Name;
      T.Pixels = Make();
      if (!EncodeBitmapAsGIF(T.Pixels, false, 0, false, T.File)) {
        std::fprintf(stderr, "%s: more than 256 colours\n", Name);
        std::abort();
      }
      const TGIFPicture Pic = DecodeGIF(T.File.data(), T.File.size());
      T.Indices = Pic.Frames.at(0).Indices;
      for (std::uint32_t C : Pic.Frames[0].Palette) T.Palette.push_back(C & 0xFFFFFF);
      for (std::size_t i = 0; i < T.Indices.size(); ++i) {
        if (T.Palette[T.Indices[i]] != (T.Pixels.Pixels[i] & 0xFFFFFF)) {
          std::fprintf(stderr, "%s: our round trip differs at %zu\n", Name, i);
          std::abort();
        }
      }
      S.push_back(std::move(T));
    }
    return S;
  }();
  return All;
}

void SetRate(benchmark::State& State) {
  State.counters["Mpixel/s"] = benchmark::Counter(static_cast<double>(State.iterations()) * kWidth * kHeight / 1e6,
                                                  benchmark::Counter::kIsRate);
}

void BM_OurDecode(benchmark::State& State) {
  const TSample& S = Samples()[static_cast<std::size_t>(State.range(0))];
  State.SetLabel(S.Name);
  for (auto _ : State) {
    TGIFPicture P = DecodeGIF(S.File.data(), S.File.size());
    benchmark::DoNotOptimize(P.Frames.data());
  }
  SetRate(State);
}

void BM_OurEncodeFromPixels(benchmark::State& State) {
  const TSample& S = Samples()[static_cast<std::size_t>(State.range(0))];
  State.SetLabel(S.Name);
  std::vector<std::uint8_t> Out;
  for (auto _ : State) {
    EncodeBitmapAsGIF(S.Pixels, false, 0, false, Out);
    benchmark::DoNotOptimize(Out.data());
  }
  SetRate(State);
}

void BM_OurEncodeFromIndices(benchmark::State& State) {
  const TSample& S = Samples()[static_cast<std::size_t>(State.range(0))];
  State.SetLabel(S.Name);
  std::vector<std::uint8_t> Out;
  for (auto _ : State) {
    Out.clear();
    LzwEncode(S.Indices.data(), S.Indices.size(), 8, Out);
    benchmark::DoNotOptimize(Out.data());
  }
  SetRate(State);
}

BENCHMARK(BM_OurDecode)->DenseRange(0, 2);
BENCHMARK(BM_OurEncodeFromPixels)->DenseRange(0, 2);
BENCHMARK(BM_OurEncodeFromIndices)->DenseRange(0, 2);

#ifdef VELOTRA_HAVE_GIFLIB

struct TMemoryReader {
  const std::vector<std::uint8_t>* Data;
  std::size_t Pos = 0;
};

int ReadMemory(GifFileType* File, GifByteType* Buffer, int Size) {
  auto* R = static_cast<TMemoryReader*>(File->UserData);
  const std::size_t N = std::min(static_cast<std::size_t>(Size), R->Data->size() - R->Pos);
  std::memcpy(Buffer, R->Data->data() + R->Pos, N);
  R->Pos += N;
  return static_cast<int>(N);
}

int WriteMemory(GifFileType* File, const GifByteType* Buffer, int Size) {
  auto* Out = static_cast<std::vector<std::uint8_t>*>(File->UserData);
  Out->insert(Out->end(), Buffer, Buffer + Size);
  return Size;
}

// giflib's reading of a whole file into its saved images.
std::vector<std::uint8_t> GiflibDecode(const std::vector<std::uint8_t>& Data) {
  TMemoryReader Reader{&Data};
  int Error = 0;
  GifFileType* File = DGifOpen(&Reader, ReadMemory, &Error);
  std::vector<std::uint8_t> Indices;
  if (File != nullptr && DGifSlurp(File) == GIF_OK && File->ImageCount > 0) {
    const SavedImage& Image = File->SavedImages[0];
    Indices.assign(Image.RasterBits, Image.RasterBits + Image.ImageDesc.Width * Image.ImageDesc.Height);
  }
  if (File != nullptr) DGifCloseFile(File, &Error);
  return Indices;
}

std::vector<std::uint8_t> GiflibEncode(const TSample& S) {
  std::vector<std::uint8_t> Out;
  int Error = 0;
  GifFileType* File = EGifOpen(&Out, WriteMemory, &Error);
  GifColorType Colors[256];
  for (int i = 0; i < 256; ++i) {
    Colors[i].Red = static_cast<GifByteType>(S.Palette[static_cast<std::size_t>(i)] >> 16);
    Colors[i].Green = static_cast<GifByteType>(S.Palette[static_cast<std::size_t>(i)] >> 8);
    Colors[i].Blue = static_cast<GifByteType>(S.Palette[static_cast<std::size_t>(i)]);
  }
  ColorMapObject* Map = GifMakeMapObject(256, Colors);
  EGifPutScreenDesc(File, kWidth, kHeight, 8, 0, Map);
  EGifPutImageDesc(File, 0, 0, kWidth, kHeight, false, nullptr);
  std::vector<std::uint8_t> Row(kWidth);
  for (int Y = 0; Y < kHeight; ++Y) {
    std::memcpy(Row.data(), S.Indices.data() + static_cast<std::size_t>(Y) * kWidth, kWidth);
    EGifPutLine(File, Row.data(), kWidth);
  }
  EGifCloseFile(File, &Error);
  GifFreeMapObject(Map);
  return Out;
}

void CrossCheck() {
  for (const TSample& S : Samples()) {
    if (GiflibDecode(S.File) != S.Indices) {
      std::fprintf(stderr, "%s: giflib reads our file differently\n", S.Name.c_str());
      std::abort();
    }
    const std::vector<std::uint8_t> Theirs = GiflibEncode(S);
    const TGIFPicture P = DecodeGIF(Theirs.data(), Theirs.size());
    if (P.Frames.empty() || P.Frames[0].Indices != S.Indices) {
      std::fprintf(stderr, "%s: we read giflib's file differently\n", S.Name.c_str());
      std::abort();
    }
    std::fprintf(stderr, "%-14s ours %7zu bytes, giflib %7zu bytes\n", S.Name.c_str(), S.File.size(), Theirs.size());
  }
}

void BM_GiflibDecode(benchmark::State& State) {
  const TSample& S = Samples()[static_cast<std::size_t>(State.range(0))];
  State.SetLabel(S.Name);
  for (auto _ : State) {
    std::vector<std::uint8_t> I = GiflibDecode(S.File);
    benchmark::DoNotOptimize(I.data());
  }
  SetRate(State);
}

void BM_GiflibEncodeFromIndices(benchmark::State& State) {
  const TSample& S = Samples()[static_cast<std::size_t>(State.range(0))];
  State.SetLabel(S.Name);
  for (auto _ : State) {
    std::vector<std::uint8_t> Out = GiflibEncode(S);
    benchmark::DoNotOptimize(Out.data());
  }
  SetRate(State);
}

BENCHMARK(BM_GiflibDecode)->DenseRange(0, 2);
BENCHMARK(BM_GiflibEncodeFromIndices)->DenseRange(0, 2);

#else

void CrossCheck() { std::fprintf(stderr, "giflib not found: only our codec is measured\n"); }

#endif

}  // namespace

int main(int argc, char** argv) {
  Samples();
  CrossCheck();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
