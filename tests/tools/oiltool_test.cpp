// oiltool takes a list apart and puts it back together byte for byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PngCodec.h"

namespace fs = std::filesystem;

namespace {

int RunTool(const std::string& args, const fs::path& output) {
  const std::string command =
      std::string(BK_TOOLS_DIR) + "/oiltool " + args + " > '" + output.string() + "' 2>&1";
  return WEXITSTATUS(std::system(command.c_str()));
}

std::string ReadText(const fs::path& path) {
  std::vector<uint8_t> bytes;
  ReadFileBytes(path.string(), bytes);
  return std::string(bytes.begin(), bytes.end());
}

PixelImage Checker(int w, int h) {
  PixelImage image{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 4, 255)};
  for (size_t i = 0; i < image.Rgba.size(); i += 8) image.Rgba[i] = 0;
  return image;
}

TEST(Oiltool, ExtractThenPackGivesTheSameFile) {
  const fs::path dir = fs::temp_directory_path() / ("oiltool_test-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  OilItem sheet;
  sheet.Name = "cars";
  sheet.Picture = {OilPictureKind::Png, EncodePng(Checker(90, 50))};
  sheet.TileWidth = 30;
  sheet.TileHeight = 50;
  OilItem keyed;
  keyed.Name = "\xEA\xEB\xFE\xF7";  // Windows-1251
  keyed.Picture = {OilPictureKind::Png, EncodePng(Checker(8, 8))};
  keyed.TileWidth = 0;
  keyed.TransparentColor = 0xFF00FF;
  keyed.Transparent = true;
  OilItem external;
  external.Name = "outside";
  external.Filepath = "wdata\\back.png";
  const std::vector<uint8_t> original = WriteOil({sheet, keyed, external});
  {
    std::ofstream(dir / "in.oil", std::ios::binary)
        .write(reinterpret_cast<const char*>(original.data()),
               static_cast<std::streamsize>(original.size()));
  }

  ASSERT_EQ(RunTool("list " + (dir / "in.oil").string(), dir / "list.txt"), 0);
  const std::string listing = ReadText(dir / "list.txt");
  EXPECT_NE(listing.find("cars"), std::string::npos) << listing;
  EXPECT_NE(listing.find("90x50"), std::string::npos) << listing;
  EXPECT_NE(listing.find("key 0xFF00FF"), std::string::npos) << listing;
  EXPECT_NE(listing.find("wdata\\back.png"), std::string::npos) << listing;

  ASSERT_EQ(RunTool("extract " + (dir / "in.oil").string() + " " + (dir / "parts").string(),
                    dir / "extract.txt"),
            0)
      << ReadText(dir / "extract.txt");
  EXPECT_TRUE(fs::exists(dir / "parts" / "000_cars.png"));
  ASSERT_EQ(RunTool("pack " + (dir / "parts" / "manifest.txt").string() + " " +
                        (dir / "out.oil").string(),
                    dir / "pack.txt"),
            0)
      << ReadText(dir / "pack.txt");
  std::vector<uint8_t> packed;
  ASSERT_TRUE(ReadFileBytes((dir / "out.oil").string(), packed));
  EXPECT_EQ(packed, original);
  fs::remove_all(dir);
}

TEST(Oiltool, ADamagedFileListsWhatCameBeforeAndFails) {
  const fs::path dir = fs::temp_directory_path() / "oiltool_damaged";
  fs::create_directories(dir);
  OilItem a;
  a.Name = "first";
  std::vector<uint8_t> bytes = WriteOil({a, a});
  bytes.resize(bytes.size() - 4);
  std::ofstream(dir / "bad.oil", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  EXPECT_EQ(RunTool("list " + (dir / "bad.oil").string(), dir / "out.txt"), 1);
  const std::string out = ReadText(dir / "out.txt");
  EXPECT_NE(out.find("damaged after 2 item(s)"), std::string::npos) << out;
  fs::remove_all(dir);
}

}  // namespace
