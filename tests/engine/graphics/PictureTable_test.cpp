// The game's picture table and the check that stops on an incomplete data file.
#include "engine/graphics/PictureTable.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/graphics/KaltoImageList.h"

namespace {

// Just the header of a PNG file of the given size: enough for the size check.
OilPicture PngHeaderOnly(int width, int height) {
  OilPicture p;
  p.Kind = OilPictureKind::Png;
  p.FileBytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int v : {width, height}) {
    for (int shift : {24, 16, 8, 0}) p.FileBytes.push_back(static_cast<uint8_t>(v >> shift));
  }
  return p;
}

void FillFromTable(TKaltoImageList& list, PictureListMask which) {
  for (const PictureEntry& e : PictureTable()) {
    if (!(e.Lists & which)) continue;
    TImageListItem& item = list.ImageList().Add();
    item.Name = e.Name;
    item.Picture = PngHeaderOnly(e.PictureWidth(), e.PictureHeight());
    item.SetTileWidth(e.TileWidth);
    item.SetTileHeight(e.TileHeight);
  }
}

TEST(PictureTable, NamesAreUniqueAndTheGlyphSheetComesFirst) {
  std::set<std::string> names;
  for (const PictureEntry& e : PictureTable()) EXPECT_TRUE(names.insert(e.Name).second) << e.Name;
  EXPECT_EQ(PictureTable().front().Lists, kMenuList);
  EXPECT_EQ(PictureTable().front().Tiles, 161);
}

TEST(PictureTable, ProblemsNameMissingPicturesAndTooFewTiles) {
  TKaltoImageList list;
  FillFromTable(list, kRaceList);
  EXPECT_TRUE(PictureProblems(list, kRaceList).empty());

  list.Find("grass")->Name = "Grass";
  list.Find("speeder")->SetTileHeight(400);
  const std::vector<std::string> problems = PictureProblems(list, kRaceList);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("\"grass\" is missing"), std::string::npos) << problems[0];
  EXPECT_NE(problems[1].find("\"speeder\" has 0 tiles, the game needs 2"), std::string::npos)
      << problems[1];
}

TEST(PictureTable, AnIncompleteListEndsTheGameNamingFileAndPicture) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TKaltoImageList list;
  FillFromTable(list, kMenuList);
  RequireCompletePictureList(list, kMenuList);  // complete: returns
  list.Find("mainback")->Name.clear();
  EXPECT_EXIT(RequireCompletePictureList(list, kMenuList), ::testing::ExitedWithCode(1),
              "data1\\.oil\n.*\"mainback\" is missing");
}

TEST(PictureTable, ALookupOfAMissingPictureEndsTheGameNamingFileAndPicture) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TKaltoImageList list;
  list.SetMessageSink([](const std::string&, const std::string&) {});
  list.LoadFromFile("no-such-list.oil");
  list.ImageList().Add().Name = "grass";
  EXPECT_EQ(&RequirePicture(list, "grass"), list.Items(0));
  EXPECT_EXIT(RequirePicture(list, "roadstr"), ::testing::ExitedWithCode(1),
              "no-such-list.oil.*\n.*\"roadstr\" is missing");
}

}  // namespace
