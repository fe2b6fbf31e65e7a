#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TImageListItem;
class TKaltoImageList;

// The game's two image lists, as bits so that a picture can sit in both.
enum PictureListMask : uint8_t {
  kMenuList = 1,  // "Data\data1.oil": menus, splash, cursor, fonts, GUI
  kRaceList = 2,  // "Data\data2.oil": race graphics
  kBothLists = kMenuList | kRaceList,
};

// One picture the game looks up: the single source of truth shared by the game (its
// lookups are checked against it), the asset generator (it draws from it) and the tests.
// The picture is Columns tiles wide and ceil(Tiles / Columns) tiles high.
struct PictureEntry {
  const char* Name;
  uint8_t Lists;  // PictureListMask bits
  int TileWidth;
  int TileHeight;
  int Tiles;      // tiles the game uses (the picture may hold a few blank ones more)
  int Columns;    // tiles per row
  bool Optional;  // looked up by code the game never reaches

  int PictureWidth() const { return TileWidth * Columns; }
  int PictureHeight() const { return TileHeight * ((Tiles + Columns - 1) / Columns); }
};

// Every picture, in the order the lists store them. The menu list's first entry is the
// glyph sheet the bitmap font takes by index 0.
const std::vector<PictureEntry>& PictureTable();
const PictureEntry* FindPictureEntry(const std::string& name);

// "Data\data1.oil" or "Data\data2.oil" (the game's relative names).
const char* PictureListFile(PictureListMask list);

// What a loaded list lacks of the table's pictures for it: a missing name, or a picture
// whose size gives fewer tiles than the table asks. Empty when the list is complete.
std::vector<std::string> PictureProblems(const TKaltoImageList& images, PictureListMask list);

// A damaged or incomplete data file would otherwise fail later on a missing item: show
// what is wrong (file and pictures) and end the program with exit code 1.
void RequireCompletePictureList(const TKaltoImageList& images, PictureListMask list);

// Every picture of the table for the list as an item without pixels, its tiles the table's
// size: enough for sprites to take their real sizes where nothing is drawn (simulations).
void FillSizedPictureList(TKaltoImageList& images, PictureListMask list);

// Loads the game's list from its data file, then requires it complete (above).
void LoadPictureList(TKaltoImageList& images, PictureListMask list);

// The item of that name; when the list lacks it, the same stop naming the list's file and
// the picture.
TImageListItem& RequirePicture(const TKaltoImageList& images, const std::string& name);
