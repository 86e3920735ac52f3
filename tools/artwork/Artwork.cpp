#include "Artwork.h"

#include <QPainter>
#include <algorithm>

#include "ArtPalette.h"
#include "Pieces.h"
#include "components/GIFWriter.h"

const std::vector<TArtPiece>& ArtCatalogue() {
  static const std::vector<TArtPiece> Catalogue = [] {
    std::vector<TArtPiece> List;
    for (int Chapter : {0, 1, 2, 3, 4, 8, 9, 10})
      List.push_back({QStringLiteral("chapter%1.gif").arg(Chapter), kPageWidth, kPageHeight, 1,
                      [Chapter] { return DrawChapterBackground(Chapter); }});
    for (int Chapter : {1, 2, 4, 5, 8, 9, 10})
      List.push_back({QStringLiteral("chapterstart%1.gif").arg(Chapter), kPageWidth, kPageHeight, 1,
                      [Chapter] { return DrawChapterStart(Chapter); }});
    List.push_back({QStringLiteral("startpage.gif"), kStartPictureSize, kStartPictureSize, 1, DrawStartPicture});
    List.push_back({QStringLiteral("figure.gif"), kFigureWidth, kFigureHeight, kFigureFrames, DrawFigure});
    List.push_back({QStringLiteral("pathback.gif"), kPathArrowSize, kPathArrowSize, 1, [] { return DrawPathArrow(false); }});
    List.push_back(
        {QStringLiteral("pathforward.gif"), kPathArrowSize, kPathArrowSize, 1, [] { return DrawPathArrow(true); }});
    for (int Variant : {1, 2})
      List.push_back({QStringLiteral("vavoboard%1.gif").arg(Variant), kBoardTileSize, kBoardTileSize, 1,
                      [Variant] { return DrawBoardTile(Variant); }});
    const std::pair<const char*, TToolGlyph> Glyphs[] = {
        {"home", TToolGlyph::Home},         {"back", TToolGlyph::Back},   {"forward", TToolGlyph::Forward},
        {"whereami", TToolGlyph::WhereAmI}, {"index", TToolGlyph::Index}, {"calculator", TToolGlyph::Calculator},
        {"up", TToolGlyph::Up},             {"first", TToolGlyph::First}, {"previous", TToolGlyph::Previous},
        {"next", TToolGlyph::Next},         {"last", TToolGlyph::Last}};
    for (const auto& [Name, Glyph] : Glyphs)
      List.push_back({QStringLiteral("tool_%1.gif").arg(QLatin1String(Name)), kToolGlyphSize, kToolGlyphSize, 1,
                      [G = Glyph] { return DrawToolGlyph(G); }});
    return List;
  }();
  return Catalogue;
}

std::vector<std::uint8_t> EncodeArt(const TArtPicture& Picture) {
  std::vector<std::uint8_t> Out;
  if (Picture.Frames.empty()) return Out;
  std::vector<QImage> Source = Picture.Frames;
  if (!Picture.Transparent)  // opaque pictures: whatever is uncovered shows the matte
    for (QImage& Frame : Source) {
      QImage Flat(Frame.size(), QImage::Format_ARGB32_Premultiplied);
      Flat.fill(QColor::fromRgb(Picture.Matte));
      QPainter(&Flat).drawImage(0, 0, Frame);
      Frame = Flat;
    }
  const int MaxColors = Picture.Transparent ? 255 : 256;
  const std::vector<QRgb> Palette = ChoosePalette(Source, Picture.Matte, MaxColors, Picture.Pinned);
  TMapOptions Options;
  Options.Dither = Picture.Dither;
  // A key colour for the transparent pixels that no palette entry uses.
  while (std::find(Palette.begin(), Palette.end(), Options.TransparentKey) != Palette.end())
    Options.TransparentKey = 0xFF000000u | ((Options.TransparentKey + 0x010203u) & 0xFFFFFFu);

  std::vector<TGIFPixels> Pixels;
  Pixels.reserve(Picture.Frames.size());
  for (const QImage& Frame : Source) {
    TGIFPixels P(Frame.width(), Frame.height());
    P.Pixels = MapToPalette(Frame, Palette, Picture.Matte, Options);
    Pixels.push_back(std::move(P));
  }
  const bool Animated = Pixels.size() > 1;
  std::vector<TGIFWriteFrame> Frames;
  for (std::size_t I = 0; I < Pixels.size(); ++I) {
    TGIFWriteFrame F;
    F.Picture = &Pixels[I];
    F.Delay = I < Picture.Delays.size() ? Picture.Delays[I] : 0;
    // Each frame is whole: clear it away before the next one is drawn.
    F.Disposal = Animated ? 2 : 0;
    F.Transparent = Picture.Transparent;
    F.TransparentColor = Options.TransparentKey & 0xFFFFFFu;
    Frames.push_back(F);
  }
  TGIFWriteOptions WriteOptions;
  WriteOptions.LoopExtension = Animated;
  if (!EncodeGIF(Frames, WriteOptions, Out)) Out.clear();
  return Out;
}
