#include "engine/graphics/PictureTable.h"

#include <cstddef>
#include <iostream>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/RoadGrid.h"
#include "engine/graphics/StoredPicture.h"
#include "platform/FatalError.h"
#include "platform/GamePaths.h"

namespace {

constexpr uint8_t M = kMenuList;
constexpr uint8_t R = kRaceList;
constexpr uint8_t B = kBothLists;
constexpr int kRoad = kRoadTileSize;

// name, lists, tile width, tile height, tiles, columns, optional
const std::vector<PictureEntry> kPictures = {
    // Menu list. The glyph sheet must stay first: the bitmap font takes item 0.
    {"font", M, 12, 20, 161, 16, false},
    {"splash_back", M, 800, 600, 1, 1, false},
    {"splash_image", M, 214, 266, 1, 1, false},
    {"logo", M, 220, 220, 1, 1, false},
    {"name", M, 800, 150, 1, 1, false},
    {"splash_square", M, 100, 100, 1, 1, false},
    {"splash_cars", M, 120, 64, 5, 1, false},
    {"mainback", M, 800, 600, 1, 1, false},
    {"mousecursor", M, 32, 32, 8, 8, false},
    {"light1", M, 64, 64, 1, 1, false},
    {"light2", M, 60, 34, 1, 1, false},
    {"scr_title", M, 800, 600, 1, 1, false},
    {"dobav", M, 216, 330, 1, 1, false},
    {"b_stgame", M, 160, 44, 2, 1, false},
    {"b_opt", M, 160, 44, 2, 1, false},
    {"b_help", M, 160, 44, 2, 1, false},
    {"b_visit", M, 160, 44, 2, 1, false},
    {"b_exit", M, 160, 44, 2, 1, false},
    {"b_logo", M, 130, 100, 2, 1, false},
    {"scr_entername", M, 586, 400, 1, 1, false},
    {"e_name", M, 294, 34, 1, 1, false},
    {"b_ok", M, 120, 44, 2, 1, false},
    {"scr_help", M, 608, 370, 1, 1, false},
    {"scr_help2", M, 608, 370, 1, 1, false},
    {"scr_help3", M, 608, 370, 1, 1, false},
    {"spec_fon", M, 800, 600, 1, 1, false},
    {"b_back", M, 130, 25, 2, 1, false},
    {"b_next", M, 135, 44, 2, 1, false},
    {"b_prev", M, 135, 44, 2, 1, false},
    {"up_hb", M, 44, 44, 8, 8, false},
    {"down_hb", M, 44, 44, 8, 8, false},
    {"left_hb", M, 44, 44, 8, 8, false},
    {"right_hb", M, 44, 44, 8, 8, false},
    {"ctrl_hb", M, 60, 44, 8, 8, false},
    {"p_hb", M, 44, 44, 8, 8, false},
    {"space_hb", M, 110, 44, 8, 4, false},
    {"esc_hb", M, 44, 44, 8, 8, false},
    {"scr_opt", M, 745, 300, 1, 1, false},
    {"Edit", M, 220, 32, 1, 1, false},
    {"b_apply", M, 155, 44, 2, 1, false},
    {"b_cancel", M, 155, 44, 2, 1, false},
    {"b_on", M, 90, 40, 2, 1, false},
    {"b_off", M, 90, 40, 2, 1, false},
    {"b_easy", M, 130, 40, 2, 1, false},
    {"b_normal", M, 130, 40, 2, 1, false},
    {"b_hard", M, 130, 40, 2, 1, false},
    {"scr_hiscr", M, 470, 290, 1, 1, false},
    {"b_clrhiscr", M, 240, 25, 2, 1, false},
    {"b_viewwhiscr", M, 240, 25, 2, 1, false},
    {"scr_clearhiscr", M, 380, 170, 1, 1, false},
    {"b_yes", M, 120, 40, 2, 1, false},
    {"b_no", M, 120, 40, 2, 1, false},
    {"scr_ExitTheGame", M, 586, 400, 1, 1, false},
    {"scr_choose", M, 800, 600, 1, 1, false},
    {"tr_track1", M, 256, 210, 1, 1, false},
    {"tr_track2", M, 256, 210, 1, 1, false},
    {"tr_track3", M, 256, 210, 1, 1, false},
    {"tr_track4", M, 256, 210, 1, 1, false},
    {"tr_track5", M, 256, 210, 1, 1, false},
    {"tr_track6", M, 256, 210, 1, 1, false},
    {"tr_track7", M, 256, 210, 1, 1, false},
    {"tr_track8", M, 256, 210, 1, 1, false},
    {"tr_track9", M, 256, 210, 1, 1, false},
    {"tr_track10", M, 256, 210, 1, 1, false},
    {"tr_track11", M, 256, 210, 1, 1, false},
    {"tr_track12", M, 256, 210, 1, 1, false},
    {"tr_notav", M, 256, 210, 1, 1, false},
    {"bc_next", M, 70, 70, 2, 1, false},
    {"bc_prev", M, 70, 70, 2, 1, false},
    {"bc_race", M, 150, 60, 2, 1, false},
    {"bc_trial", M, 150, 60, 2, 1, false},
    {"scr_choosecar", M, 800, 600, 1, 1, false},
    {"blik", M, 440, 260, 1, 1, false},
    {"bar", M, 256, 30, 1, 1, false},
    {"c_car1", M, 400, 250, 1, 1, false},
    {"c_car2", M, 400, 250, 1, 1, false},
    {"c_car3", M, 400, 250, 1, 1, false},
    {"c_car4", M, 400, 250, 1, 1, false},
    {"c_car5", M, 400, 250, 1, 1, false},
    // In both lists: the menu's demo race and the race use the same cars and effects.
    {"car1", B, 30, 50, 3, 3, false},
    {"car2", B, 30, 50, 3, 3, false},
    {"car3", B, 30, 50, 3, 3, false},
    {"car4", B, 30, 50, 3, 3, false},
    {"car5", B, 30, 50, 3, 3, false},
    {"dim", B, 32, 32, 5, 5, false},
    {"arrows", B, 70, 10, 3, 1, false},
    {"groundpoint", B, 4, 4, 1, 1, false},
    // GUI pictures of the race screens: kept in both lists, so either lookup finds them.
    {"b_yes1", B, 80, 40, 2, 1, false},
    {"b_no1", B, 80, 40, 2, 1, false},
    {"bro_next", B, 120, 44, 2, 1, false},
    {"editname", B, 294, 34, 1, 1, false},
    // Race list.
    {"grass", R, 256, 256, 1, 1, false},
    {"roadstr", R, kRoad, kRoad, 1, 1, false},
    {"roadstrvert", R, kRoad, kRoad, 1, 1, false},
    {"roadroters", R, kRoad, kRoad, 4, 2, false},
    {"roadwide", R, kRoad, kRoad, 16, 4, false},
    {"roadnarrow", R, kRoad, kRoad, 2, 2, false},
    {"roadchicane", R, kRoad, kRoad, 2, 2, false},
    {"roaddiag", R, kRoad, kRoad, 4, 2, false},
    {"inplace", R, 80, 50, 1, 1, false},
    {"startline", R, kRoad - 2 * kRoadKerbWidth, 24, 1, 1, false},
    {"threeflowers", R, 64, 64, 4, 4, false},
    {"monoflower", R, 32, 32, 9, 9, false},
    {"rom", R, 64, 64, 5, 5, false},
    {"romhor", R, 128, 40, 5, 1, false},
    {"romver", R, 40, 128, 5, 5, false},
    {"tree1", R, 96, 96, 1, 1, false},
    {"tree2", R, 96, 96, 1, 1, false},
    {"tree3", R, 96, 96, 1, 1, false},
    {"tree4", R, 96, 96, 1, 1, false},
    {"house", R, 128, 128, 1, 1, false},
    {"elka1", R, 96, 96, 1, 1, false},
    {"elka2", R, 96, 96, 1, 1, false},
    {"rock1", R, 64, 64, 5, 5, false},
    {"ark", R, 128, 96, 3, 3, false},
    {"water", R, 160, 112, 1, 1, false},
    {"koleso1", R, 64, 64, 1, 1, false},
    // The other landscapes' own drawings of the pictures above, each the size of the
    // meadow's (LandscapePicture picks them; obstacles keep their footprints).
    {"grass_autumn", R, 256, 256, 1, 1, false},
    {"roadstr_autumn", R, kRoad, kRoad, 1, 1, false},
    {"roadstrvert_autumn", R, kRoad, kRoad, 1, 1, false},
    {"roadroters_autumn", R, kRoad, kRoad, 4, 2, false},
    {"roadwide_autumn", R, kRoad, kRoad, 16, 4, false},
    {"roadnarrow_autumn", R, kRoad, kRoad, 2, 2, false},
    {"roadchicane_autumn", R, kRoad, kRoad, 2, 2, false},
    {"roaddiag_autumn", R, kRoad, kRoad, 4, 2, false},
    {"threeflowers_autumn", R, 64, 64, 4, 4, false},
    {"monoflower_autumn", R, 32, 32, 9, 9, false},
    {"rom_autumn", R, 64, 64, 5, 5, false},
    {"tree1_autumn", R, 96, 96, 1, 1, false},
    {"tree2_autumn", R, 96, 96, 1, 1, false},
    {"tree3_autumn", R, 96, 96, 1, 1, false},
    {"tree4_autumn", R, 96, 96, 1, 1, false},
    {"house_autumn", R, 128, 128, 1, 1, false},
    {"elka1_autumn", R, 96, 96, 1, 1, false},
    {"elka2_autumn", R, 96, 96, 1, 1, false},
    {"rock1_autumn", R, 64, 64, 5, 5, false},
    {"grass_coast", R, 256, 256, 1, 1, false},
    {"roadstr_coast", R, kRoad, kRoad, 1, 1, false},
    {"roadstrvert_coast", R, kRoad, kRoad, 1, 1, false},
    {"roadroters_coast", R, kRoad, kRoad, 4, 2, false},
    {"roadwide_coast", R, kRoad, kRoad, 16, 4, false},
    {"roadnarrow_coast", R, kRoad, kRoad, 2, 2, false},
    {"roadchicane_coast", R, kRoad, kRoad, 2, 2, false},
    {"roaddiag_coast", R, kRoad, kRoad, 4, 2, false},
    {"threeflowers_coast", R, 64, 64, 4, 4, false},
    {"monoflower_coast", R, 32, 32, 9, 9, false},
    {"rom_coast", R, 64, 64, 5, 5, false},
    {"tree1_coast", R, 96, 96, 1, 1, false},
    {"tree2_coast", R, 96, 96, 1, 1, false},
    {"tree3_coast", R, 96, 96, 1, 1, false},
    {"tree4_coast", R, 96, 96, 1, 1, false},
    {"house_coast", R, 128, 128, 1, 1, false},
    {"elka1_coast", R, 96, 96, 1, 1, false},
    {"elka2_coast", R, 96, 96, 1, 1, false},
    {"rock1_coast", R, 64, 64, 5, 5, false},
    {"grass_winter", R, 256, 256, 1, 1, false},
    {"roadstr_winter", R, kRoad, kRoad, 1, 1, false},
    {"roadstrvert_winter", R, kRoad, kRoad, 1, 1, false},
    {"roadroters_winter", R, kRoad, kRoad, 4, 2, false},
    {"roadwide_winter", R, kRoad, kRoad, 16, 4, false},
    {"roadnarrow_winter", R, kRoad, kRoad, 2, 2, false},
    {"roadchicane_winter", R, kRoad, kRoad, 2, 2, false},
    {"roaddiag_winter", R, kRoad, kRoad, 4, 2, false},
    {"threeflowers_winter", R, 64, 64, 4, 4, false},
    {"monoflower_winter", R, 32, 32, 9, 9, false},
    {"rom_winter", R, 64, 64, 5, 5, false},
    {"tree1_winter", R, 96, 96, 1, 1, false},
    {"tree2_winter", R, 96, 96, 1, 1, false},
    {"tree3_winter", R, 96, 96, 1, 1, false},
    {"tree4_winter", R, 96, 96, 1, 1, false},
    {"house_winter", R, 128, 128, 1, 1, false},
    {"elka1_winter", R, 96, 96, 1, 1, false},
    {"elka2_winter", R, 96, 96, 1, 1, false},
    {"rock1_winter", R, 64, 64, 5, 5, false},
    {"water_winter", R, 160, 112, 1, 1, false},
    {"horwall", R, 512, 24, 1, 1, false},
    {"vertwall", R, 24, 512, 1, 1, false},
    {"checkline", R, kRoad, kRoad, 1, 1, false},
    {"fline", R, kRoad, 24, 1, 1, false},
    {"speeder", R, 259, 173, 2, 1, false},
    {"radar", R, 259, 173, 1, 1, false},
    {"panel", R, 240, 120, 1, 1, false},
    {"panel_trial", R, 240, 120, 1, 1, false},
    {"speedarrow", R, 12, 80, 1, 1, false},
    {"radararrow", R, 16, 40, 1, 1, false},
    {"begarrows", R, 120, 120, 1, 1, false},
    {"svetophor", R, 205, 70, 1, 1, false},
    {"redlight", R, 136, 134, 1, 1, false},
    {"yellowlight", R, 136, 134, 1, 1, false},
    {"greenlight", R, 136, 134, 1, 1, false},
    {"scr_exitgame", R, 586, 400, 1, 1, false},
    {"scr_pause", R, 540, 104, 1, 1, false},
    {"scr_raceover", R, 508, 330, 1, 1, false},
    {"scr_send", R, 508, 330, 1, 1, false},
    {"newrecord", R, 150, 14, 1, 1, false},
    {"scr_av", R, 500, 55, 1, 1, false},
    {"gamecompl", R, 800, 600, 1, 1, false},
    {"scr_gameover", R, 460, 350, 1, 1, false},
    {"scr_youlose", R, 460, 350, 1, 1, false},
};

}  // namespace

const std::vector<PictureEntry>& PictureTable() {
  return kPictures;
}

const PictureEntry* FindPictureEntry(const std::string& name) {
  for (const PictureEntry& entry : kPictures) {
    if (name == entry.Name) return &entry;
  }
  return nullptr;
}

const char* PictureListFile(PictureListMask list) {
  return list == kRaceList ? "Data\\data2.oil" : "Data\\data1.oil";
}

std::vector<std::string> PictureProblems(const TKaltoImageList& images, PictureListMask list) {
  std::vector<std::string> problems;
  for (const PictureEntry& entry : kPictures) {
    if (!(entry.Lists & list) || entry.Optional) continue;
    const TImageListItem* item = images.Find(entry.Name);
    if (!item) {
      problems.push_back(std::string("picture \"") + entry.Name + "\" is missing");
      continue;
    }
    int width = 0;
    int height = 0;
    PictureSize(item->Picture, width, height);
    const int tileWidth = item->TileWidth() > 0 ? item->TileWidth() : width;
    const int tileHeight = item->TileHeight() > 0 ? item->TileHeight() : height;
    const int tiles =
        tileWidth > 0 && tileHeight > 0 ? (width / tileWidth) * (height / tileHeight) : 0;
    if (tiles < entry.Tiles) {
      problems.push_back(std::string("picture \"") + entry.Name + "\" has " +
                         std::to_string(tiles) + " tiles, the game needs " +
                         std::to_string(entry.Tiles));
    }
  }
  return problems;
}

namespace {

// The box lists this many problems at most; the rest are counted.
constexpr std::size_t kListedProblems = 10;

[[noreturn]] void StopOnDamagedFile(const std::string& file,
                                    const std::vector<std::string>& problems) {
  std::string text = "This data file is damaged or incomplete:\n" + file + "\n";
  for (std::size_t n = 0; n < problems.size() && n < kListedProblems; ++n) {
    text += problems[n] + "\n";
  }
  if (problems.size() > kListedProblems) {
    text += "and " + std::to_string(problems.size() - kListedProblems) + " more\n";
  }
  text += "Reinstall the game to repair it.";
  ExitOnFatalError({text});
}

}  // namespace

void RequireCompletePictureList(const TKaltoImageList& images, PictureListMask list) {
  const std::vector<std::string> problems = PictureProblems(images, list);
  if (!problems.empty()) StopOnDamagedFile(DataPath(PictureListFile(list)).string(), problems);
}

void FillSizedPictureList(TKaltoImageList& images, PictureListMask list) {
  for (const PictureEntry& entry : kPictures) {
    if (!(entry.Lists & list)) continue;
    TImageListItem& item = images.ImageList().Add();
    item.Name = entry.Name;
    item.SetTileWidth(entry.TileWidth);
    item.SetTileHeight(entry.TileHeight);
  }
}

void LoadPictureList(TKaltoImageList& images, PictureListMask list) {
  // A file that cannot be read at all was reported by the load; listing every picture as
  // missing would say nothing more.
  if (!images.LoadFromFile(DataPath(PictureListFile(list)).string()) && images.Count() == 0) {
    ExitOnFatalError();
  }
  RequireCompletePictureList(images, list);
}

TImageListItem& RequirePicture(const TKaltoImageList& images, const std::string& name) {
  TImageListItem* item = images.Find(name);
  if (!item) {
    StopOnDamagedFile(images.FileName().empty() ? "(not loaded from a file)" : images.FileName(),
                      {"picture \"" + name + "\" is missing"});
  }
  return *item;
}
