#include "ArtPalette.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace {

struct TEntry {
  QRgb Color;
  std::uint64_t Count;
};

// A box of the colour cube: entries [Begin, End) of the histogram.
struct TBox {
  std::size_t Begin;
  std::size_t End;
};

// Channel weights of the distance: the eye tells greens apart best.
constexpr int kWeight[3] = {2, 4, 3};

int Channel(QRgb C, int Axis) { return Axis == 0 ? qRed(C) : Axis == 1 ? qGreen(C) : qBlue(C); }

QRgb Opaque(QRgb C) { return C | 0xFF000000u; }

// The weighted spread of a box along its widest axis, and that axis.
std::pair<double, int> Spread(const std::vector<TEntry>& H, const TBox& B) {
  double Best = -1;
  int BestAxis = 0;
  for (int Axis = 0; Axis < 3; ++Axis) {
    int Lo = 255, Hi = 0;
    for (std::size_t I = B.Begin; I < B.End; ++I) {
      Lo = std::min(Lo, Channel(H[I].Color, Axis));
      Hi = std::max(Hi, Channel(H[I].Color, Axis));
    }
    const double S = (Hi - Lo) * std::sqrt(static_cast<double>(kWeight[Axis]));
    if (S > Best) {
      Best = S;
      BestAxis = Axis;
    }
  }
  return {Best, BestAxis};
}

QRgb Mean(const std::vector<TEntry>& H, const TBox& B) {
  std::uint64_t Sum[3] = {0, 0, 0}, N = 0;
  for (std::size_t I = B.Begin; I < B.End; ++I) {
    for (int Axis = 0; Axis < 3; ++Axis) Sum[Axis] += static_cast<std::uint64_t>(Channel(H[I].Color, Axis)) * H[I].Count;
    N += H[I].Count;
  }
  auto Avg = [&](int Axis) { return static_cast<int>((Sum[Axis] + N / 2) / N); };
  return qRgb(Avg(0), Avg(1), Avg(2));
}

int Distance(QRgb A, QRgb B) {
  const int R = qRed(A) - qRed(B), G = qGreen(A) - qGreen(B), Bl = qBlue(A) - qBlue(B);
  return kWeight[0] * R * R + kWeight[1] * G * G + kWeight[2] * Bl * Bl;
}

// Classic 8 x 8 ordered-dither thresholds 0 ... 63.
constexpr int kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};

}  // namespace

QRgb OverMatte(QRgb P, QRgb Matte) {
  const int A = qAlpha(P);
  auto Mix = [&](int Src, int Back) { return std::min(255, Src + (Back * (255 - A) + 127) / 255); };
  return qRgb(Mix(qRed(P), qRed(Matte)), Mix(qGreen(P), qGreen(Matte)), Mix(qBlue(P), qBlue(Matte)));
}

std::vector<QRgb> ChoosePalette(const std::vector<QImage>& Pictures, QRgb Matte, int MaxColors,
                                const std::vector<QRgb>& Pinned) {
  std::vector<QRgb> Palette;
  for (QRgb C : Pinned)
    if (static_cast<int>(Palette.size()) < MaxColors && std::find(Palette.begin(), Palette.end(), Opaque(C)) == Palette.end())
      Palette.push_back(Opaque(C));
  std::map<QRgb, std::uint64_t> Counts;  // ordered: the histogram comes out sorted
  for (const QImage& Source : Pictures) {
    const QImage P = Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int Y = 0; Y < P.height(); ++Y) {
      const QRgb* Row = reinterpret_cast<const QRgb*>(P.constScanLine(Y));
      for (int X = 0; X < P.width(); ++X)
        if (qAlpha(Row[X]) >= 128) ++Counts[OverMatte(Row[X], Matte)];
    }
  }
  for (QRgb C : Palette) Counts.erase(C);
  std::vector<TEntry> H;
  H.reserve(Counts.size());
  for (const auto& [Color, Count] : Counts) H.push_back({Color, Count});

  const std::size_t Room = MaxColors > static_cast<int>(Palette.size()) ? MaxColors - Palette.size() : 0;
  if (H.size() <= Room) {
    for (const TEntry& E : H) Palette.push_back(E.Color);
    return Palette;
  }
  std::vector<TBox> Boxes;
  if (Room > 0 && !H.empty()) Boxes.push_back({0, H.size()});
  while (Boxes.size() < Room) {
    // Split the box whose colours lie furthest apart, weighted a little by
    // how many pixels it covers, so thin antialiased edges keep their shades.
    double BestScore = -1;
    std::size_t Pick = 0;
    int PickAxis = 0;
    for (std::size_t I = 0; I < Boxes.size(); ++I) {
      if (Boxes[I].End - Boxes[I].Begin < 2) continue;
      const auto [S, Axis] = Spread(H, Boxes[I]);
      std::uint64_t N = 0;
      for (std::size_t J = Boxes[I].Begin; J < Boxes[I].End; ++J) N += H[J].Count;
      const double Score = S * S * std::sqrt(static_cast<double>(N));
      if (Score > BestScore) {
        BestScore = Score;
        Pick = I;
        PickAxis = Axis;
      }
    }
    if (BestScore <= 0) break;
    TBox& B = Boxes[Pick];
    std::sort(H.begin() + static_cast<std::ptrdiff_t>(B.Begin), H.begin() + static_cast<std::ptrdiff_t>(B.End),
              [&](const TEntry& L, const TEntry& R) {
                const int A = Channel(L.Color, PickAxis), C = Channel(R.Color, PickAxis);
                return A != C ? A < C : L.Color < R.Color;
              });
    std::uint64_t Total = 0;
    for (std::size_t J = B.Begin; J < B.End; ++J) Total += H[J].Count;
    std::uint64_t Run = 0;
    std::size_t Cut = B.Begin + 1;
    for (std::size_t J = B.Begin; J + 1 < B.End; ++J) {
      Run += H[J].Count;
      Cut = J + 1;
      if (2 * Run >= Total) break;
    }
    const TBox Upper{Cut, B.End};
    B.End = Cut;
    Boxes.push_back(Upper);
  }
  for (const TBox& B : Boxes) {
    const QRgb C = Mean(H, B);
    if (std::find(Palette.begin(), Palette.end(), C) == Palette.end()) Palette.push_back(C);
  }
  return Palette;
}

int NearestColor(const std::vector<QRgb>& Palette, QRgb Color) {
  int Best = 0, BestDistance = -1;
  for (std::size_t I = 0; I < Palette.size(); ++I) {
    const int D = Distance(Palette[I], Color);
    if (BestDistance < 0 || D < BestDistance) {
      BestDistance = D;
      Best = static_cast<int>(I);
    }
  }
  return Best;
}

std::vector<std::uint32_t> MapToPalette(const QImage& Source, const std::vector<QRgb>& Palette, QRgb Matte,
                                        const TMapOptions& Options) {
  const QImage P = Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  std::vector<std::uint32_t> Out(static_cast<std::size_t>(P.width()) * static_cast<std::size_t>(P.height()));
  std::unordered_map<QRgb, QRgb> Cache;
  std::size_t K = 0;
  for (int Y = 0; Y < P.height(); ++Y) {
    const QRgb* Row = reinterpret_cast<const QRgb*>(P.constScanLine(Y));
    for (int X = 0; X < P.width(); ++X, ++K) {
      if (qAlpha(Row[X]) < 128 || Palette.empty()) {
        Out[K] = Opaque(Options.TransparentKey);
        continue;
      }
      QRgb C = OverMatte(Row[X], Matte);
      if (Options.Dither > 0) {
        const int Shift = ((2 * kBayer[Y & 7][X & 7] + 1 - 64) * Options.Dither) / 128;
        auto Move = [&](int V) { return std::clamp(V + Shift, 0, 255); };
        C = qRgb(Move(qRed(C)), Move(qGreen(C)), Move(qBlue(C)));
      }
      auto It = Cache.find(C);
      if (It == Cache.end()) It = Cache.emplace(C, Opaque(Palette[static_cast<std::size_t>(NearestColor(Palette, C))])).first;
      Out[K] = It->second;
    }
  }
  return Out;
}
