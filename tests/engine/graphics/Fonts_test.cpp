// The typefaces standing in for the game's faces, and text drawn with them.
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#ifdef _WIN32
#include <process.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "engine/graphics/FontFaces.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/support/HeadlessScreen.h"

namespace {

// Code points of the Cyrillic letters among the default bitmap-font characters.
std::vector<uint32_t> CyrillicLettersOfTheDefaultString() {
  std::vector<uint32_t> letters;
  for (const char c : TKaltoBitmapFont::DefaultCharacters()) {
    if (static_cast<uint8_t>(c) < 0x80) continue;
    const std::string utf8 = Cp1251ToUtf8(std::string(1, c));
    const auto* u = reinterpret_cast<const uint8_t*>(utf8.data());
    letters.push_back(((u[0] & 0x1Fu) << 6) | (u[1] & 0x3Fu));
  }
  return letters;
}

// The weight class (100 thin .. 900 black) in the font file's OS/2 table; 0 without one.
int OpenTypeWeight(const std::string& file) {
  std::ifstream in(std::filesystem::u8path(file), std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  const auto u16 = [&bytes](size_t at) {
    return at + 2 <= bytes.size() ? bytes[at] << 8 | bytes[at + 1] : 0;
  };
  const int tables = u16(4);
  for (int i = 0; i < tables; ++i) {
    const size_t entry = 12 + 16 * static_cast<size_t>(i);  // tag, checksum, offset, length
    if (entry + 16 > bytes.size()) break;
    if (std::equal(bytes.begin() + entry, bytes.begin() + entry + 4, "OS/2")) {
      const size_t table = static_cast<size_t>(u16(entry + 8)) << 16 | u16(entry + 10);
      return u16(table + 4);
    }
  }
  return 0;
}

TEST(FontFaces, EveryGameFaceIsARealInstalledFontCoveringTheCyrillicLetters) {
  ASSERT_EQ(TTF_Init(), 0);
  const std::vector<uint32_t> letters = CyrillicLettersOfTheDefaultString();
  ASSERT_EQ(letters.size(), 66u);
  std::set<std::string> files;
  for (const FontFace& face : FontFaceTable()) {
    testing::internal::CaptureStderr();
    const std::string file = FontFileForFace(face.GameFace);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << face.GameFace << " fell back";
    files.insert(file);
    TTF_Font* font = TTF_OpenFont(file.c_str(), 20);
    ASSERT_NE(font, nullptr) << face.GameFace << ": " << file;
    for (uint32_t letter : letters) {
      EXPECT_TRUE(TTF_GlyphIsProvided32(font, letter))
          << face.GameFace << " (" << file << ") lacks U+" << std::hex << letter;
    }
    TTF_CloseFont(font);
  }
  EXPECT_GE(files.size(), 4u);
  EXPECT_GE(OpenTypeWeight(FontFileForFace("Arial Black")), 800);
  EXPECT_LE(OpenTypeWeight(FontFileForFace("Arial")), 400);
  TTF_Quit();
}

#ifdef _WIN32
// The Windows game's fonts lie in its data folder: a face resolved under one data folder is
// looked up again under the next one.
TEST(FontFaces, EachDataFolderGivesItsOwnFontFiles) {
  const GameRoots before = CurrentGameRoots();
  const std::filesystem::path other =
      std::filesystem::temp_directory_path() / ("bk-font-folder-" + std::to_string(::_getpid()));
  std::filesystem::remove_all(other);
  std::filesystem::create_directories(other);
  // Copies, not links: another test process may hold the shipped fonts open, and Windows
  // refuses to remove a hard link to an open file.
  std::filesystem::copy(before.Data / "fonts", other / "fonts",
                        std::filesystem::copy_options::recursive);
  const std::string first = FontFileForFace("Verdana");
  SetGameRoots(GameRoots{other, before.Save});
  const std::string second = FontFileForFace("Verdana");
  SetGameRoots(before);
  std::filesystem::remove_all(other);
  EXPECT_EQ(std::filesystem::u8path(first), before.Data / "fonts" / "DejaVuSans.ttf");
  EXPECT_EQ(std::filesystem::u8path(second), other / "fonts" / "DejaVuSans.ttf");
}
#endif

class FontDrawing : public ::testing::Test {
 protected:
  HeadlessScreen h{rmSoftware};
  TKaltoScreen& screen = h.Screen;
  PixelImage Read() { return screen.Device()->ReadPixels(); }
  void BeginFrame() {
    screen.Clear(0, 0, 0, 255);
    screen.BeginScene();
  }
};

// Pixels in the rectangle that are not black.
int Ink(const PixelImage& img, int left, int top, int right, int bottom) {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Rgba8 p = PixelAt(img, x, y);
      if (p.R + p.G + p.B > 60) ++ink;
    }
  }
  return ink;
}

// A head-up display: steady labels and a clock whose text changes every frame. Each new
// clock text makes one texture; the labels are made once, however long the clock runs.
TEST_F(FontDrawing, SteadyTextsAreMadeOnceBesideAChangingOne) {
  TKaltoFont font;
  font.SetKaltoScreen(&screen);
  font.SetFont("Arial", 12, 0);
  const int64_t before = screen.Device()->TexturesCreated();
  constexpr int kFrames = 300;
  for (int frame = 0; frame < kFrames; ++frame) {
    BeginFrame();
    font.TextOut(10, 10, "Lap");
    font.TextOut(10, 30, "Place");
    font.TextOut(60, 10, std::to_string(frame / 100));  // 0, 1, 2
    font.TextOut(10, 50, "0:" + std::to_string(10000 + frame));
    screen.EndScene();
  }
  EXPECT_EQ(screen.Device()->TexturesCreated() - before, 2 + 3 + kFrames);
}

TEST_F(FontDrawing, TextIsDrawnInItsColourWhereAskedAndMeasured) {
  TKaltoFont font;
  font.SetKaltoScreen(&screen);
  BeginFrame();
  font.TextOut(10, 10, "nothing yet");  // no font set: draws nothing
  font.SetFont("Arial Black", 20, 0);
  font.Red = 0;
  font.Blue = 0;
  const std::string text = "\xC7\xE0\xE5\xE7\xE4 1";  // "Заезд 1"
  const int width = font.TextWidth(text);
  const int height = font.TextHeight(text);
  EXPECT_GT(width, 50);
  EXPECT_GT(height, 20);
  EXPECT_LT(height, 40);
  EXPECT_GT(font.TextWidth(text + text), width);
  screen.SetBlendMode(2);
  font.TextOut(100, 100, text);
  font.TextOut(100, 100, text);  // again from the cache
  EXPECT_EQ(screen.Device()->DestinationBlend(), BlendFactor::One) << "blend state left alone";
  EXPECT_TRUE(font.SetFont("Verdana", 10, fsBold));
  EXPECT_EQ(font.Red, 255);
  const int verdanaWidth = font.TextWidth(text);

  const PixelImage img = Read();
  EXPECT_EQ(Ink(img, 0, 0, 800, 90), 0);
  EXPECT_GT(Ink(img, 100, 100, 100 + width, 100 + height), width);
  EXPECT_EQ(Ink(img, 100 + width + 2, 95, 800, 150), 0);
  for (int y = 100; y < 100 + height; ++y) {
    for (int x = 100; x < 100 + width; ++x) {
      const Rgba8 p = PixelAt(img, x, y);
      EXPECT_EQ(p.R, 0);
      EXPECT_EQ(p.B, 0);
    }
  }
  // A device reset releases and remakes the font object with the same face and size.
  screen.EndScene();
  ASSERT_EQ(screen.ResetDevice(), 0);
  EXPECT_EQ(font.TextWidth(text), verdanaWidth);
  EXPECT_EQ(font.FaceName(), "Verdana");
}

TEST(BitmapFontTables, CharactersMapFirstOccurrenceAndSpaceFallsBackToGlyphZero) {
  TKaltoBitmapFont font;
  font.SetCharacters("ABA");
  EXPECT_EQ(font.GlyphOf('A'), 0);
  EXPECT_EQ(font.GlyphOf('B'), 1);
  EXPECT_EQ(font.GlyphOf(' '), 0);
  EXPECT_EQ(font.GlyphOf('C'), -1);
  font.SetCharacters("");
  EXPECT_EQ(font.Characters().size(), 161u);
  EXPECT_EQ(font.GlyphOf('@'), 32);
  EXPECT_EQ(font.GlyphOf(0xDF), 33);  // capital Ya
  EXPECT_EQ(font.GlyphOf(0xE9), 72);  // small short i
  EXPECT_EQ(font.GlyphOf('~'), 108);
  EXPECT_EQ(font.GlyphOf('A'), 109);  // the Latin letters follow
  EXPECT_EQ(font.GlyphOf('z'), 160);
  EXPECT_EQ(font.GlyphOf('\n'), -1);
}

TEST(BitmapFontTables, GlyphTextureSideFollowsSizeSquareModeAndTheDeviceLimit) {
  struct Case {
    size_t Count;
    int32_t Size;
    bool Square;
    int32_t Max;
    int32_t Side;
    float Factor;
  };
  const Case cases[] = {
      {109, 14, false, 4096, 256, 1.0f},  {109, 20, false, 4096, 256, 1.0f},
      {109, 21, false, 4096, 512, 1.0f},  {109, 30, false, 4096, 512, 1.0f},
      {109, 41, false, 4096, 1024, 1.0f}, {109, 41, false, 512, 512, 0.5f},
      {109, 14, true, 4096, 256, 1.0f},  // sqrt(109 * 2 * 15^2) = 221.5
      {4, 1, true, 4096, 8, 1.0f},       // sqrt(4 * 2 * 2^2) = 5.7
  };
  for (const Case& c : cases) {
    const GlyphTextureSize got = GlyphTextureSide(c.Count, c.Size, c.Square, c.Max);
    EXPECT_EQ(got.Side, c.Side) << c.Size << (c.Square ? " square" : "");
    EXPECT_FLOAT_EQ(got.SizeFactor, c.Factor) << c.Size;
  }
}

class BitmapFontDrawing : public FontDrawing {
 protected:
  TKaltoImageList list;
  TKaltoBitmapFont font;

  // A sheet of 4 x 2 tiles of 3 x 5 pixels, each tile one colour.
  void SetUp() override {
    const std::vector<Rgba8> colours = {
        {255, 0, 0, 255},   {0, 255, 0, 255},   {0, 0, 255, 255},     {255, 255, 0, 255},
        {0, 255, 255, 255}, {255, 0, 255, 255}, {255, 255, 255, 255}, {128, 128, 128, 255}};
    TImageListItem& sheet = list.ImageList().Add();
    sheet.Name = "glyphs";
    sheet.Picture = PngPicture(TileSheet(3, 5, 4, 2, colours));
    sheet.SetTileWidth(3);
    sheet.SetTileHeight(5);
    list.SetKaltoScreen(&screen);
    list.BuildTextures();
    font.SetKaltoScreen(&screen);
    font.SetKaltoImageList(&list);
    font.SetKaltoImageIndex(0);
    font.SetCharacters("ABCDEFGH");
  }
};

TEST_F(BitmapFontDrawing, ImageTilesGiveTheGlyphsAndPastTheLastTileTheRectIsBeyondIt) {
  EXPECT_EQ(font.FontName(), "glyphs");
  EXPECT_EQ(font.CellWidth(), 3);
  EXPECT_EQ(font.CellHeight(), 5);
  // Column 1, row 1 of the 12 x 10 picture in its 13 x 11 texture.
  const TKaltoBitmapFont::Glyph& g5 = font.GlyphAt(5);
  EXPECT_FLOAT_EQ(g5.Left, 3.0f / 13);
  EXPECT_FLOAT_EQ(g5.Top, 5.0f / 11);
  EXPECT_FLOAT_EQ(g5.Right, 6.0f / 13);
  EXPECT_FLOAT_EQ(g5.Bottom, 10.0f / 11);
  const TKaltoBitmapFont::Glyph& g200 = font.GlyphAt(200);  // lowered to tile 8: row 2
  EXPECT_FLOAT_EQ(g200.Left, 0.0f);
  EXPECT_FLOAT_EQ(g200.Top, 10.0f / 11);
}

TEST_F(BitmapFontDrawing, CentringCarriageReturnAndSpacingPlaceTheGlyphs) {
  BeginFrame();
  font.TextOut(100, 50, 0, 1, 1, 0xFFFFFFFF, "AB\rC", 0);
  font.Spacing = 2;
  font.TextOut(100, 80, 0, 1, 1, 0xFFFFFFFF, "A\nB", 0);  // line feed: no glyph, skipped
  font.Spacing = 0;
  font.PositionMode = pmCenter;
  font.TextOut(200, 120, 0, 1, 1, 0xFFFFFFFF, "ABCDEFGHAB", 0);  // 10 x 3 / 2 = 15 left
  const PixelImage img = Read();
  ExpectNear(PixelAt(img, 101, 52), {255, 0, 0, 255}, "A");
  ExpectNear(PixelAt(img, 104, 52), {0, 255, 0, 255}, "B");
  ExpectNear(PixelAt(img, 101, 52 + 5 + 10), {0, 0, 255, 255}, "C below, LineSpace 10");
  ExpectNear(PixelAt(img, 101, 82), {255, 0, 0, 255}, "A");
  ExpectNear(PixelAt(img, 106, 82), {0, 255, 0, 255}, "B after 3 + 2 spacing");
  ExpectNear(PixelAt(img, 186, 120), {255, 0, 0, 255}, "centred: starts 15 left, 1 up");
  ExpectNear(PixelAt(img, 184, 120), {0, 0, 0, 255}, "nothing before the start");
}

TEST_F(BitmapFontDrawing, SystemGlyphsAreWhiteWithCoverageUntilTheDeviceResets) {
  font.BuildFromSystemFont("Arial", "", bfBold, 18);
  EXPECT_TRUE(font.UsesOwnTexture());
  EXPECT_EQ(font.FontName(), "Arial");
  // Bold 18 needs more rows than a sheet of 256 has: it grows until every glyph is on it.
  EXPECT_EQ(font.OwnGlyphs().Width, 512);
  for (const char c : TKaltoBitmapFont::DefaultCharacters()) {
    const TKaltoBitmapFont::Glyph& glyph = font.GlyphAt(static_cast<uint8_t>(c));
    EXPECT_LE(glyph.Bottom, 1.0f) << int(static_cast<uint8_t>(c));
    EXPECT_LE(glyph.Right, 1.0f) << int(static_cast<uint8_t>(c));
  }
  EXPECT_EQ(font.GlyphOf(0xC6), 0xC6);  // identity map: glyphs by byte code
  EXPECT_GT(font.GlyphAt(0xC6).Width, font.GlyphAt('!').Width);  // Zhe is wider than !
  int covered = 0;
  for (size_t i = 0; i < font.OwnGlyphs().Rgba.size(); i += 4) {
    const uint8_t* t = &font.OwnGlyphs().Rgba[i];
    if (t[3] == 0) {
      ASSERT_EQ(t[0] + t[1] + t[2], 0);
      continue;
    }
    ++covered;
    ASSERT_EQ(t[0] & t[1] & t[2], 255);
    ASSERT_EQ(t[3] % 17, 0);
  }
  EXPECT_GT(covered, 1000);

  TKaltoBitmapFont italic;
  italic.BuildFromSystemFont("Arial", "", bfItalic, 18);
  TKaltoBitmapFont upright;
  upright.BuildFromSystemFont("Arial", "", 0, 18);
  const TKaltoBitmapFont::Glyph& zero = italic.GlyphAt('0');
  EXPECT_GT(zero.Width, 2);
  EXPECT_EQ(zero.Height, upright.GlyphAt('0').Height + 2);
  const float side = float(italic.OwnGlyphs().Width);
  EXPECT_FLOAT_EQ(zero.Right * side, zero.Left * side + float(zero.Width - 1));

  font.RestoreDeviceResources();
  EXPECT_FALSE(font.UsesOwnTexture());
  EXPECT_EQ(font.FontName(), "glyphs");
}

}  // namespace
