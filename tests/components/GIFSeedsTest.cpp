// Writes the seed files of the GIF fuzz target when VELOTRA_WRITE_GIF_SEEDS
// names a folder (fuzz/corpus/gif); otherwise only checks that they read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "GIFTestPictures.h"
#include "components/GIFDecoder.h"

TEST(GIFSeeds, SmallFilesOfOurWriter) {
  const TGIFPixels Dot = SolidPixels(1, 1, 0xFFFFFF);
  const TGIFPixels Stripes = MakePixels(9, 12, [](int X, int Y) { return TestColor((X + Y) % 16); });
  const TGIFPixels Gradient = MakePixels(24, 20, [](int X, int Y) { return TestColor(X * 10 + Y); });
  const TGIFPixels Red = SolidPixels(6, 6, 0xFF0000);
  const TGIFPixels Holes = MakePixels(4, 3, [](int X, int Y) { return (X + Y) % 2 ? 0xFFFFFF : 0x0000FF; });
  const TGIFPixels Green = SolidPixels(2, 2, 0x00FF00);

  TGIFWriteFrame Interlaced = Frame(Stripes);
  Interlaced.Interlaced = true;
  TGIFWriteFrame Transparent = Frame(Holes, 1, 2, 30, 3);
  Transparent.Transparent = true;
  Transparent.TransparentColor = 0xFFFFFF;
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Seeds = {
      {"dot.gif", EncodeFrames({Frame(Dot)})},
      {"interlaced.gif", EncodeFrames({Interlaced})},
      {"gradient.gif", EncodeFrames({Frame(Gradient)})},
      {"animation.gif", EncodeFrames({Frame(Red, 0, 0, 100, 1), Transparent, Frame(Green, 3, 3, 0, 2)}, true, 2)},
      {"shared-table.gif", EncodeFrames({Frame(Red), Frame(Red, 2, 2, 20, 2)}, false)},
  };
  const char* Folder = std::getenv("VELOTRA_WRITE_GIF_SEEDS");
  for (const auto& [Name, Data] : Seeds) {
    EXPECT_LT(Data.size(), 2048u) << Name;
    EXPECT_EQ(DecodeGIF(Data.data(), Data.size()).Status, TGIFStatus::Ok) << Name;
    if (Folder != nullptr) {
      std::ofstream(std::filesystem::path(Folder) / Name, std::ios::binary)
          .write(reinterpret_cast<const char*>(Data.data()), static_cast<std::streamsize>(Data.size()));
    }
  }
}
