// One headless frame with everything the graphics engine draws: image tiles rotated,
// scaled, tinted, mirrored and tiled; a Cyrillic line in every game face; bitmap-font
// lines from a system face and from image tiles. Saved as graphics_scene.png beside the
// game folder for a look.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include "engine/graphics/FontFaces.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "platform/Cp1251.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/PngFile.h"

namespace {

// The default characters drawn white into tiles of 12 x 20, 16 a row, the layout of the
// menu list's glyph sheet.
PixelImage GlyphSheet() {
  const std::string& chars = TKaltoBitmapFont::DefaultCharacters();
  const int rows = static_cast<int>((chars.size() + 15) / 16);
  PixelImage sheet{16 * 12, rows * 20, std::vector<uint8_t>(size_t(16 * 12 * rows * 20 * 4), 0)};
  EXPECT_EQ(TTF_Init(), 0);
  TTF_Font* font = TTF_OpenFontDPI(FontFileForFace("Verdana").c_str(), 11, 96, 96);
  for (size_t p = 0; p < chars.size(); ++p) {
    const std::string utf8 = Cp1251ToUtf8(chars.substr(p, 1));
    SDL_Surface* g = TTF_RenderUTF8_Blended(font, utf8.c_str(), {255, 255, 255, 255});
    SDL_Surface* argb = g ? SDL_ConvertSurfaceFormat(g, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    SDL_FreeSurface(g);
    if (!argb) continue;
    const int left = int(p % 16) * 12 + (12 - argb->w) / 2;
    const int top = int(p / 16) * 20;
    for (int y = 0; y < argb->h && y < 20; ++y) {
      for (int x = 0; x < argb->w; ++x) {
        if (left + x < int(p % 16) * 12 || left + x >= int(p % 16) * 12 + 12) continue;
        const uint32_t v = static_cast<const uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x];
        uint8_t* d = &sheet.Rgba[(size_t(top + y) * sheet.Width + size_t(left + x)) * 4];
        d[0] = d[1] = d[2] = 255;
        d[3] = uint8_t(v >> 24);
      }
    }
    SDL_FreeSurface(argb);
  }
  TTF_CloseFont(font);
  TTF_Quit();
  return sheet;
}

// A small kart-like picture in three tiles: red body, dark wheels, a yellow nose.
PixelImage Kart() {
  PixelImage kart = TileSheet(20, 32, 3, 1, {{200, 30, 30, 255}});
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 60; ++x) {
      uint8_t* p = &kart.Rgba[(size_t(y) * 60 + size_t(x)) * 4];
      const int tx = x % 20;
      if ((tx < 3 || tx > 16) && (y % 16) < 8) p[0] = p[1] = p[2] = 30;
      if (y > 26 && tx > 6 && tx < 13) p[0] = p[1] = 240, p[2] = 20;
      if ((tx < 3 || tx > 16) && (y % 16) >= 8) p[3] = 0;
    }
  }
  return kart;
}

int InkRows(const PixelImage& img, int top, int bottom, int left, int right) {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Rgba8 p = PixelAt(img, x, y);
      if (std::abs(p.R - 32) + std::abs(p.G - 40) + std::abs(p.B - 48) > 60) ++ink;
    }
  }
  return ink;
}

TEST(GraphicsScene, EverythingTheEngineDrawsInOneFrame) {
  HeadlessScreen h{rmSoftware};
  TKaltoScreen& screen = h.Screen;
  TKaltoImageList list;
  list.SetKaltoScreen(&screen);
  TImageListItem& glyphs = list.ImageList().Add();
  glyphs.Name = "font";
  glyphs.Picture = PngPicture(GlyphSheet());
  glyphs.SetTileWidth(12);
  glyphs.SetTileHeight(20);
  TImageListItem& kart = list.ImageList().Add();
  kart.Name = "car1";
  kart.Picture = PngPicture(Kart());
  kart.SetTileWidth(20);
  kart.SetTileHeight(32);
  TImageListItem& tiles = list.ImageList().Add();
  tiles.Name = "tiles";
  tiles.Picture = PngPicture(TileSheet(16, 16, 3, 2, SixColours()));
  tiles.SetTileWidth(16);
  tiles.SetTileHeight(16);
  list.BuildTextures();

  screen.Clear(32, 40, 48, 255);
  screen.BeginScene();
  // Tiles 0..5 and a clamped 9, then the whole picture.
  for (int p = 0; p < 7; ++p) tiles.DrawPlain(20 + p * 20, 20, p == 6 ? 9 : p);
  tiles.DrawPlain(170, 20, -1);
  // Karts: straight, rotated, scaled, tinted, mirrored, additive.
  kart.DrawPlain(20, 60, 0);
  kart.DrawColors(60, 60, 30, 0.5f, 0.5f, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                  false, false, 1, 0);
  kart.DrawColors(100, 60, 0, 0, 0, 2, 1.5f, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, false,
                  false, 2, 0);
  kart.DrawTinted(160, 60, -45, 0.5f, 0.5f, 1, 1, 0xFF40FF40, false, false, 0, 0);
  kart.DrawColors(200, 60, 0, 0, 0, 1, 1, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, true,
                  false, 0, 0);
  kart.DrawRGBA(240, 60, 90, 0.5f, 0.5f, 1, 1, 255, 255, 255, 160, true, 0, 2);
  kart.DrawStretched({0, 0, 80, 20}, 280, 60, 0, 0, 0, 1, 1, 255, 255, 255, 255, false, true, 0, 0);

  // A Cyrillic line in every face.
  const std::string line = "\xC3\xEE\xED\xEA\xE0 \xED\xE0\xF7\xE8\xED\xE0\xE5\xF2\xF1\xFF!";
  TKaltoFont font;
  font.SetKaltoScreen(&screen);
  int y = 130;
  std::vector<int> lineTops;
  for (const FontFace& face : FontFaceTable()) {
    font.SetFont(face.GameFace, 20, 0);
    font.TextOut(20, y, std::string(face.GameFace) + ": " + line);
    lineTops.push_back(y);
    y += 45;
  }

  // Bitmap fonts: from a system face, then from the image tiles.
  TKaltoBitmapFont bitmap;
  bitmap.SetKaltoScreen(&screen);
  bitmap.SetKaltoImageList(&list);
  bitmap.BuildFromSystemFont("Arial", "", 0, 18);
  bitmap.TextOut(20, 370, 0, 1, 1, 0xFFDCDCDC, "1) Arial 18: " + line, 0);
  bitmap.CharRotation = 15;
  bitmap.TextOut(20, 400, 0, 1, 1, 0xFFFFD040, "2) 15\xB0: " + line, 0);
  bitmap.CharRotation = 0;
  bitmap.SetKaltoImageIndex(0);
  bitmap.SetCharacters("");
  bitmap.TextOutColors(20, 440, 0, 1, 1, 0xFFFF4040, 0xFF40FF40, 0xFF4040FF, 0xFFFFFFFF,
                       "3) " + line + "\r\xDD\xD2\xCE \xC2\xD2\xCE\xD0\xC0\xDF", 0);
  const PixelImage img = screen.Device()->ReadPixels();
  screen.EndScene();
  ASSERT_TRUE(SavePng(img, std::string(BK_GAME_DIR) + "/../graphics_scene.png"));

  ExpectNear(PixelAt(img, 25, 25), SixColours()[0], "tile 0");
  ExpectNear(PixelAt(img, 145, 25), SixColours()[5], "pattern 9 clamps to tile 5");
  for (size_t i = 0; i < lineTops.size(); ++i) {
    EXPECT_GT(InkRows(img, lineTops[i], lineTops[i] + 35, 20, 520), 500)
        << FontFaceTable()[i].GameFace;
  }
  EXPECT_GT(InkRows(img, 370, 395, 20, 400), 300) << "system-face bitmap font";
  EXPECT_GT(InkRows(img, 440, 460, 20, 400), 300) << "image-tile bitmap font";
  EXPECT_GT(InkRows(img, 470, 490, 20, 130), 100) << "second line after the carriage return";
}

}  // namespace
