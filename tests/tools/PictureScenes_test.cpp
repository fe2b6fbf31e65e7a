// The built picture lists as the game uses them: loaded and turned into textures on a
// headless screen, complete by the game's own check, and composed into two screens the way
// the game places them. The frames are written to build/scenes/ for review.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/PngFile.h"

namespace {

const std::filesystem::path kSceneDir = std::filesystem::path(BK_GAME_DIR) / ".." / "scenes";

class PictureScenes : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* list : {&menu_, &race_}) {
      list->SetMessageSink([](const std::string& caption, const std::string& text) {
        ADD_FAILURE() << caption << ": " << text;
      });
    }
    ASSERT_TRUE(menu_.LoadFromFile(std::string(BK_GAME_DIR) + "/Data/data1.oil"));
    ASSERT_TRUE(race_.LoadFromFile(std::string(BK_GAME_DIR) + "/Data/data2.oil"));
    for (auto* list : {&menu_, &race_}) {
      list->SetKaltoScreen(&screen_.Screen);
      list->BuildTextures();
    }
    std::filesystem::create_directories(kSceneDir);
  }

  // Turned about the point at (originX, originY) of the tile, as sprites are.
  void Draw(TKaltoImageList& list, const char* name, int x, int y, int pattern = 0, float angle = 0,
            float originX = 0.5f, float originY = 0.5f) {
    TImageListItem* item = list.Find(name);
    ASSERT_NE(item, nullptr) << name;
    item->DrawRGBA(x, y, angle, originX, originY, 1, 1, 255, 255, 255, 255, false, pattern, 0);
  }
  void DrawAt(TKaltoImageList& list, const char* name, int x, int y, int pattern = 0) {
    TImageListItem* item = list.Find(name);
    ASSERT_NE(item, nullptr) << name;
    item->DrawPlain(x, y, pattern);
  }

  PixelImage Finish(const std::string& file) {
    PixelImage frame = screen_.Screen.Device()->ReadPixels();
    EXPECT_TRUE(SavePng(frame, (kSceneDir / file).string()));
    return frame;
  }

  HeadlessScreen screen_;
  TKaltoImageList menu_, race_;
};

TEST_F(PictureScenes, BothListsAreCompleteByTheGamesOwnCheck) {
  EXPECT_TRUE(PictureProblems(menu_, kMenuList).empty());
  EXPECT_TRUE(PictureProblems(race_, kRaceList).empty());
  EXPECT_EQ(menu_.Items(0)->Name, "font");
}

// The main menu (sampled left of the labels): background, demo cars, title, button plate, buttons
// with the second one under the pointer, studio badge, lamps and pointer.
TEST_F(PictureScenes, MainMenuShowsNormalButtonsBlueAndTheHoveredOneOrange) {
  screen_.Screen.Clear(0, 0, 0, 255);
  screen_.Screen.BeginScene();
  DrawAt(menu_, "mainback", 0, 0);
  Draw(menu_, "car2", 150, 50, 0, 90);
  Draw(menu_, "car4", 240, 56, 1, 95);
  Draw(menu_, "car5", 110, 300, 0, 180);
  DrawAt(menu_, "scr_title", 0, 0);
  DrawAt(menu_, "dobav", 292, 180);
  const char* buttons[] = {"b_stgame", "b_opt", "b_help", "b_visit", "b_exit"};
  for (int i = 0; i < 5; ++i) DrawAt(menu_, buttons[i], 320, 250 + 50 * i, i == 1 ? 1 : 0);
  DrawAt(menu_, "b_logo", 0, 494);
  DrawAt(menu_, "light1", 728, 4);
  DrawAt(menu_, "light2", -8, 565);
  DrawAt(menu_, "light2", 748, 565);
  DrawAt(menu_, "mousecursor", 420, 318, 3);
  screen_.Screen.EndScene();
  const PixelImage frame = Finish("main_menu.png");
  const uint8_t* normal = frame.Pixel(330, 250 + 22);
  const uint8_t* hover = frame.Pixel(330, 300 + 22);
  EXPECT_GT(normal[2], normal[0] + 40) << "normal button is blue";
  EXPECT_GT(hover[0], hover[2] + 80) << "hovered button is orange";
  const uint8_t* greeting = frame.Pixel(600, 22);
  EXPECT_GT(greeting[0] + greeting[1] + greeting[2], 3 * 220) << "greeting strip is light";
}

// A race: grass, a turn joining a straight, paint, scenery, cars and the instruments.
TEST_F(PictureScenes, RaceShowsRoadCarsSceneryAndInstruments) {
  screen_.Screen.Clear(0, 0, 0, 255);
  screen_.Screen.BeginScene();
  for (int y = -56; y < 600; y += 256) {
    for (int x = -100; x < 800; x += 256) DrawAt(race_, "grass", x, y);
  }
  DrawAt(race_, "roadstr", -100, 150);
  DrawAt(race_, "roadstr", 156, 150);
  DrawAt(race_, "roadroters", 412, 150, 1);
  DrawAt(race_, "roadstrvert", 412, 406);
  Draw(race_, "startline", 110, 278, 0, 90);
  Draw(race_, "checkline", 284, 278);
  Draw(race_, "threeflowers", 90, 450, 2, 30);
  Draw(race_, "tree1", 80, 70, 0, 40);
  Draw(race_, "elka2", 250, 70);
  Draw(race_, "rock1", 330, 80, 3, 70);
  Draw(race_, "house", 110, 480, 0, 10);
  Draw(race_, "tree3", 740, 300, 0, 120);
  Draw(race_, "horwall", 420, 430);
  Draw(race_, "car2", 350, 250, 0, 90);
  Draw(race_, "car1", 300, 310, 1, 80);
  Draw(race_, "car4", 520, 330, 2, 140);
  Draw(race_, "dim", 372, 240, 1);
  DrawAt(race_, "speeder", 541, 427);
  const PictureEntry* needle = FindPictureEntry("speedarrow");
  const PictureEntry* arrow = FindPictureEntry("radararrow");
  ASSERT_TRUE(needle && arrow);
  Draw(race_, "speedarrow", 726 - needle->TileWidth / 2, 472 - needle->TileWidth * 9 / 10, 0, 20,
       0.5f, 0.85f);
  Draw(race_, "radararrow", 602 - arrow->TileWidth / 2, 557 - arrow->TileHeight / 2, 0, 30);
  DrawAt(race_, "radar", 541, 427);
  DrawAt(race_, "panel", 560, -3);
  DrawAt(race_, "svetophor", 300, 50);
  DrawAt(race_, "redlight", 265, 18);
  screen_.Screen.EndScene();
  const PixelImage frame = Finish("race.png");
  const uint8_t* road = frame.Pixel(200, 200);
  const uint8_t* grass = frame.Pixel(20, 30);
  EXPECT_LT(std::abs(road[0] - road[1]), 16) << "asphalt is grey";
  EXPECT_GT(grass[1], grass[0] + 30) << "grass is green";
  const uint8_t* plate = frame.Pixel(700, 60);
  EXPECT_LT(plate[0] + plate[1] + plate[2], 3 * 80) << "the HUD plate is dark under its texts";
}

}  // namespace
