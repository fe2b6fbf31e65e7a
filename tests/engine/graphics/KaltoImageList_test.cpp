// Image lists: lookup, load failures, texture building and the draw operations, drawn on a
// headless software device and read back.
#include "engine/graphics/KaltoImageList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include "engine/graphics/KaltoScreen.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/support/HeadlessScreen.h"

namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;

void Record(TKaltoImageList& list, Messages& messages) {
  list.SetMessageSink([&messages](const std::string& caption, const std::string& text) {
    messages.emplace_back(caption, text);
  });
}

TEST(ImageListLookup, FindIsExactCaseSensitiveAndTakesTheFirstMatch) {
  TImageListCollection items;
  items.Add().Name = "back";
  items.Add().Name = "twin";
  items.Add().Name = "twin";
  EXPECT_EQ(items.Find("Back"), nullptr);
  EXPECT_EQ(items.Find("back "), nullptr);
  EXPECT_EQ(items.Find("back"), items.Items(0));
  EXPECT_EQ(items.Find("twin"), items.Items(1));
  EXPECT_EQ(items.Items(3), nullptr);
  EXPECT_EQ(items.Items(-1), nullptr);
}

TEST(ImageListTextures, ATextureSideIsThePictureSideWithOneTransparentTexelUnlessAPowerOfTwo) {
  const std::vector<std::pair<int32_t, int32_t>> cases = {
      {0, 2}, {1, 2}, {2, 2}, {3, 4}, {5, 6}, {15, 16}, {16, 16}, {512, 512}, {600, 601}};
  for (const auto& [picture, texture] : cases) {
    EXPECT_EQ(TextureSide(picture), texture) << "picture side " << picture;
  }
}

TEST(ImageListLoading, EachFailureShowsItsMessageAndKeepsWhatItShould) {
  OilItem a;
  a.Name = "a";
  OilItem b;
  b.Name = "b";
  const std::vector<uint8_t> good = WriteOil({a, b});
  std::vector<uint8_t> wrongSignature = good;
  wrongSignature.at(0) = 'P';
  std::vector<uint8_t> corrupted = good;
  corrupted[good.size() - 6] = 0x55;  // a value code in the last item that does not exist
  const std::vector<uint8_t> truncated(good.begin(), good.end() - 2);

  struct Case {
    const char* What;
    std::vector<uint8_t> Bytes;
    std::vector<std::string> NamesAfter;
  };
  const Case cases[] = {
      {"wrong signature", wrongSignature, {}},
      {"corrupted", corrupted, {"a", "b"}},
      {"truncated", truncated, {"a", "b"}},
  };
  for (const Case& c : cases) {
    TKaltoImageList list;
    Messages messages;
    Record(list, messages);
    list.ImageList().Add().Name = "old";
    EXPECT_FALSE(list.LoadFromStream(c.Bytes)) << c.What;
    ASSERT_EQ(messages.size(), 1u) << c.What;
    EXPECT_EQ(messages[0].first, "Error!");
    EXPECT_EQ(messages[0].second,
              "The stream could not be loaded, either it is corrupt or encrypted!");
    ASSERT_EQ(list.Count(), static_cast<int>(c.NamesAfter.size())) << c.What;
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Items(i)->Name, c.NamesAfter[i]);
  }

  TKaltoImageList list;
  Messages messages;
  Record(list, messages);
  list.ImageList().Add().Name = "kept";
  EXPECT_FALSE(list.LoadFromFile("no such folder/no such file.oil"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].second,
            "Cannot be loaded - file error or file crypted!\nno such folder/no such file.oil\n"
            "(No such file or directory)");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Items(0)->Name, "kept");
}

class ImageListDrawing : public ::testing::Test {
 protected:
  HeadlessScreen h{rmSoftware};
  TKaltoScreen& screen = h.Screen;
  TKaltoImageList list;

  void SetUp() override { list.SetKaltoScreen(&screen); }

  TImageListItem& AddItem(const std::string& name, const PixelImage& picture, int tileW,
                          int tileH) {
    TImageListItem& item = list.ImageList().Add();
    item.Name = name;
    item.Picture = PngPicture(picture);
    item.SetTileWidth(tileW);
    item.SetTileHeight(tileH);
    return item;
  }
  void BeginFrame(uint8_t r = 0, uint8_t g = 0, uint8_t b = 0) {
    list.BuildTextures();
    screen.Clear(r, g, b, 255);
    screen.BeginScene();
  }
  PixelImage Read() { return screen.Device()->ReadPixels(); }
};

TEST_F(ImageListDrawing, BuildingSizesTexturesAndResolvesTileWidthZero) {
  TImageListItem& sheet = AddItem("sheet", TileSheet(5, 3, 3, 2, SixColours()), 0, 3);
  TImageListItem& dot = AddItem("dot", TileSheet(1, 1, 1, 1, SixColours()), 1, 1);
  EXPECT_EQ(sheet.PictureWidth(), 0);  // unknown until a texture is built
  list.BuildTextures();
  EXPECT_EQ(sheet.TileWidth(), 15);
  EXPECT_EQ(sheet.PictureWidth(), 15);
  EXPECT_EQ(sheet.PictureHeight(), 6);
  EXPECT_EQ(sheet.Columns(), 1);
  EXPECT_EQ(sheet.Rows(), 2);
  EXPECT_EQ(sheet.TextureWidth(), 16);
  EXPECT_EQ(sheet.TextureHeight(), 7);
  EXPECT_EQ(dot.TextureWidth(), 2);
  EXPECT_EQ(dot.TextureHeight(), 2);
  EXPECT_EQ(sheet.SolidTexels().Width(), 16);
  // Setting a tile width of 0 once the size is known takes the picture width.
  sheet.SetTileWidth(5);
  EXPECT_EQ(sheet.Columns(), 3);
  sheet.SetTileWidth(0);
  EXPECT_EQ(sheet.TileWidth(), 15);
}

TEST_F(ImageListDrawing, AnExternalPictureFileReplacesTheStoredOneAndIsNotKept) {
  const std::string path = ::testing::TempDir() + "external_picture.png";
  const std::vector<uint8_t> png = EncodePng(TileSheet(6, 4, 1, 1, SixColours()));
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(png.data(), 1, png.size(), file);
  std::fclose(file);

  TImageListItem& external = AddItem("external", TileSheet(2, 2, 1, 1, SixColours()), 0, 0);
  external.Filepath = "  " + path + " ";
  TImageListItem& absent = AddItem("absent", TileSheet(2, 2, 1, 1, SixColours()), 0, 0);
  absent.Filepath = "no such picture.png";
  list.BuildTextures();
  EXPECT_TRUE(external.HasTexture());
  EXPECT_EQ(external.PictureWidth(), 6);
  EXPECT_TRUE(external.Picture.Empty());
  EXPECT_EQ(absent.PictureWidth(), 2);
  EXPECT_FALSE(absent.Picture.Empty());
  std::remove(path.c_str());

  // A device reset rebuilds the textures; the external picture's file is gone by now.
  ASSERT_EQ(screen.ResetDevice(), 0);
  EXPECT_TRUE(external.HasTexture());
  EXPECT_EQ(external.List(), &list);
  screen.Clear(0, 0, 0, 255);
  screen.BeginScene();
  external.DrawPlain(10, 10, 0);
  absent.DrawPlain(30, 10, 0);
  const PixelImage afterReset = Read();
  ExpectNear(PixelAt(afterReset, 12, 12), SixColours()[0], "external drawn after the reset");
  ExpectNear(PixelAt(afterReset, 31, 11), SixColours()[0], "stored drawn after the reset");
}

TEST_F(ImageListDrawing, ColourKeyMakesKeyPixelsTransparentBlack) {
  const std::vector<Rgba8> colours = {{255, 0, 255, 255}, {10, 200, 30, 255}};
  TImageListItem& keyed = AddItem("keyed", TileSheet(2, 2, 2, 1, colours), 4, 2);
  keyed.Transparent = true;
  keyed.TransparentColor = 0xFF00FF;  // magenta in the platform's form
  TImageListItem& plain = AddItem("plain", TileSheet(2, 2, 2, 1, colours), 4, 2);
  plain.TransparentColor = 0xFF00FF;  // without Transparent the key is off
  BeginFrame(40, 40, 40);
  EXPECT_FALSE(keyed.SolidTexels().Solid(0, 0));
  EXPECT_TRUE(keyed.SolidTexels().Solid(2, 0));
  EXPECT_TRUE(plain.SolidTexels().Solid(0, 0));
  EXPECT_FALSE(plain.SolidTexels().Solid(4, 0));  // padding
  keyed.DrawPlain(10, 10, 0);
  const PixelImage img = Read();
  ExpectNear(PixelAt(img, 10, 10), {40, 40, 40, 255}, "keyed pixel shows the background");
  ExpectNear(PixelAt(img, 12, 10), {10, 200, 30, 255}, "other pixel drawn");
}

TEST_F(ImageListDrawing, PatternsClampToTheLastAndMinusOneDrawsTheWholePicture) {
  TImageListItem& sheet = AddItem("sheet", TileSheet(4, 4, 3, 2, SixColours()), 4, 4);
  BeginFrame();
  sheet.DrawPlain(10, 10, 7);
  sheet.DrawPlain(20, 10, 1);
  sheet.DrawPlain(30, 10, -1);
  sheet.DrawRGBA(40, 10, 0, 0, 0, 0.0f, 0.0f, 255, 255, 255, 255, false, 4, 0);
  const PixelImage img = Read();
  const auto& c = SixColours();
  ExpectNear(PixelAt(img, 10, 10), c[5], "pattern 7 of 6 draws tile 5");
  ExpectNear(PixelAt(img, 13, 13), c[5], "pattern 7 of 6 draws tile 5");
  ExpectNear(PixelAt(img, 20, 10), c[1], "pattern 1");
  // The whole 12 x 8 picture squeezed into the tile-sized quad.
  ExpectNear(PixelAt(img, 30, 10), c[0], "whole picture, top-left");
  ExpectNear(PixelAt(img, 33, 13), c[5], "whole picture, bottom-right");
  ExpectNear(PixelAt(img, 14, 10), {0, 0, 0, 255}, "quads are tile-sized");
  ExpectNear(PixelAt(img, 40, 10), c[4], "scale 0 draws at scale 1");
  ExpectNear(PixelAt(img, 43, 13), c[4], "scale 0 draws at scale 1");
  ExpectNear(PixelAt(img, 44, 10), {0, 0, 0, 255}, "scale 0 draws at scale 1");
}

TEST_F(ImageListDrawing, NegativeScaleMirrorsAboutTheOrigin) {
  const std::vector<Rgba8> quarters = {{255, 0, 0, 255}, {0, 255, 0, 255}};
  TImageListItem& item = AddItem("halves", TileSheet(4, 8, 2, 1, quarters), 8, 8);
  BeginFrame();
  item.DrawColors(100, 100, 0, 0.5f, 0.5f, -1.0f, 1.0f, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                  0xFFFFFFFF, false, false, 0, 0);
  item.DrawColors(120, 100, 0, 0.0f, 0.0f, 1.0f, 1.0f, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                  0xFFFFFFFF, false, true, 0, 0);
  const PixelImage img = Read();
  ExpectNear(PixelAt(img, 101, 104), quarters[1], "scale -1: right half now on the left");
  ExpectNear(PixelAt(img, 106, 104), quarters[0], "scale -1: left half now on the right");
  ExpectNear(PixelAt(img, 121, 104), quarters[1], "MirrorX");
}

// DrawRGBA sets the destination factor behind the screen's back; a later draw with the
// mode number the screen believes current stays additive.
TEST_F(ImageListDrawing, DrawRGBAAdditiveCarriesOverToTheNextDrawOfTheSameMode) {
  const std::vector<Rgba8> blue = {{0, 0, 100, 255}};
  TImageListItem& item = AddItem("blue", TileSheet(4, 4, 1, 1, blue), 4, 4);
  BeginFrame(100, 0, 0);
  ASSERT_EQ(screen.BlendMode(), 0);
  item.DrawRGBA(10, 10, 0, 0, 0, 1, 1, 255, 255, 255, 255, true, 0, 0);
  item.DrawColors(20, 10, 0, 0, 0, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, false,
                  false, 0, 0);
  screen.SetBlendMode(1);
  item.DrawColors(30, 10, 0, 0, 0, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, false,
                  false, 0, 0);  // a real mode change restores plain alpha blending
  item.DrawRGBA(40, 10, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, 0, 0);
  const PixelImage img = Read();
  ExpectNear(PixelAt(img, 11, 11), {100, 0, 100, 255}, "DrawRGBA additive");
  ExpectNear(PixelAt(img, 21, 11), {100, 0, 100, 255}, "mode 0 draw stays additive");
  ExpectNear(PixelAt(img, 31, 11), {0, 0, 100, 255}, "after a mode change");
  ExpectNear(PixelAt(img, 41, 11), {0, 0, 100, 255}, "DrawRGBA not additive");
}

TEST_F(ImageListDrawing, APictureThatIsNoImageEndsTheProgramNamingTheItem) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TImageListItem& bad = list.ImageList().Add();
  bad.Name = "broken";
  bad.Picture = OilPicture{OilPictureKind::Png, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0}};
  EXPECT_EXIT(list.BuildTextures(), ::testing::ExitedWithCode(1), "Error creating texture broken");
}

}  // namespace
