// The image-list file format: what the writer writes the reader reads back, the reader
// takes every value form of the format, and damaged bytes keep what came before them.
#include "engine/graphics/OilFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/graphics/PictureFixtures.h"

namespace {

std::vector<OilItem> SampleItems() {
  OilItem sheet;
  sheet.Name = "sheet";
  sheet.Picture = PngPicture(TileSheet(2, 3, 3, 2, SixColours()));
  sheet.TileWidth = 2;
  sheet.TileHeight = 3;

  OilItem keyed;
  keyed.Name = "\xEA\xE0\xF0\xF2\xE0";  // Windows-1251 bytes
  keyed.Picture = OilPicture{OilPictureKind::Bitmap, {'B', 'M', 1, 2, 3, 4, 5}};
  keyed.TileWidth = 0;
  keyed.TileHeight = -40000;  // needs the 32-bit integer form
  keyed.TransparentColor = 0xFF00FF;
  keyed.Transparent = true;

  OilItem external;
  external.Name = std::string(300, 'n');  // longer than a short string holds
  external.TileWidth = 1000;              // 16-bit integer form
  external.TransparentColor = 0xFF00000F;
  external.Filepath = "wdata\\back.png";

  return {sheet, keyed, external, OilItem{}};
}

// A hand-made stream, for value forms the writer never produces.
struct StreamBuilder {
  std::vector<uint8_t> Bytes;
  StreamBuilder& U8(std::initializer_list<int> values) {
    for (int v : values) Bytes.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  StreamBuilder& Str(const std::string& s) {
    Bytes.push_back(static_cast<uint8_t>(s.size()));
    Bytes.insert(Bytes.end(), s.begin(), s.end());
    return *this;
  }
  StreamBuilder& Header() {
    U8({0xFF, 10, 0});
    for (char c : std::string("X")) Bytes.push_back(static_cast<uint8_t>(c));
    return U8({0, 0x30, 0x10, 0, 0, 0, 0});
  }
};

TEST(OilFormat, WriterOutputReadsBackItemForItem) {
  const std::vector<OilItem> items = SampleItems();
  const std::vector<uint8_t> file = WriteOil(items);
  const OilReadResult read = ReadOil(file.data(), file.size());
  ASSERT_TRUE(read.Ok) << read.Error;
  ASSERT_EQ(read.Items.size(), items.size());
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(read.Items[i], items[i]) << "item " << i;
  EXPECT_EQ(WriteOil(read.Items), file);
}

TEST(OilFormat, ReadsEveryValueFormOfTheFormat) {
  StreamBuilder s;
  s.Header();
  s.U8({'T', 'P', 'F', '0'});
  s.U8({0xF2, 2, 7});  // prefix with a child position (8-bit integer 7)
  s.Str("TImageListCollectionComponent").Str("Comp").Str("List").U8({14});
  // Item 1: order value, identifier colour, Boolean identifier, long-string name.
  s.U8({2, 0, 1});
  s.Str("Name").U8({12, 3, 0, 0, 0, 'a', 'b', 'c'});
  s.Str("TransparentColor").U8({7}).Str("clFuchsia");
  s.Str("Transparent").U8({7}).Str("True");
  s.Str("TileWidth").U8({4, 0x10, 0, 0, 0});
  s.U8({0});
  // Item 2: 16-bit order value, wide-string name (Cyrillic), system colour identifier.
  s.U8({3, 1, 0, 1});
  s.Str("Name").U8({18, 2, 0, 0, 0, 0x1F, 0x04, 0x44, 0x04});  // "Пф"
  s.Str("TransparentColor").U8({7}).Str("clBtnFace");
  s.Str("Transparent").U8({8});
  s.U8({0});
  s.U8({0, 0, 0});

  const OilReadResult read = ReadOil(s.Bytes.data(), s.Bytes.size());
  ASSERT_TRUE(read.Ok) << read.Error;
  ASSERT_EQ(read.Items.size(), 2u);
  EXPECT_EQ(read.Items[0].Name, "abc");
  EXPECT_EQ(read.Items[0].TransparentColor, 0xFF00FFu);
  EXPECT_TRUE(read.Items[0].Transparent);
  EXPECT_EQ(read.Items[0].TileWidth, 16);
  EXPECT_EQ(read.Items[1].Name, "\xCF\xF4");
  EXPECT_EQ(read.Items[1].TransparentColor, 0xFF00000Fu);
  EXPECT_FALSE(read.Items[1].Transparent);
}

// Damage of each kind: the reader reports it and keeps every item it had started.
TEST(OilFormat, DamagedFilesKeepTheItemsBeforeTheDamage) {
  const std::vector<uint8_t> good = WriteOil(SampleItems());
  const std::vector<uint8_t> twoItems = WriteOil({SampleItems()[0], SampleItems()[1]});
  const size_t thirdItemStart = twoItems.size() - 3;  // where the collection's end code sits

  struct Case {
    const char* What;
    std::vector<uint8_t> Bytes;
    size_t ItemsKept;
  };
  std::vector<uint8_t> wrongSignature = good;
  wrongSignature.at(0) = 0xFE;
  std::vector<uint8_t> wrongType = good;
  wrongType.at(1) = 11;
  std::vector<uint8_t> truncated(good.begin(), good.begin() + thirdItemStart + 10);
  std::vector<uint8_t> corrupted = good;
  corrupted[thirdItemStart + 1] = 'X';  // item 3's first property name runs long

  const Case cases[] = {
      {"wrong resource marker", wrongSignature, 0},
      {"wrong resource type", wrongType, 0},
      {"truncated inside item 3", truncated, 3},
      {"unknown property in item 3", corrupted, 3},
      {"empty file", {}, 0},
  };
  for (const Case& c : cases) {
    const OilReadResult read = ReadOil(c.Bytes.data(), c.Bytes.size());
    EXPECT_FALSE(read.Ok) << c.What;
    EXPECT_FALSE(read.Error.empty()) << c.What;
    ASSERT_EQ(read.Items.size(), c.ItemsKept) << c.What;
    for (size_t i = 0; i + 1 < c.ItemsKept; ++i) {
      EXPECT_EQ(read.Items[i], SampleItems()[i]) << c.What << ", item " << i;
    }
  }
  EXPECT_EQ(ReadOil(wrongSignature.data(), wrongSignature.size()).Error, "Invalid stream format");
}

// Every prefix of a good file is a truncated file: none may be read past its end or be
// taken for a whole file, and the items come out in order.
TEST(OilFormat, EveryTruncationIsReportedWithoutReadingPastTheEnd) {
  const std::vector<OilItem> items = SampleItems();
  const std::vector<uint8_t> good = WriteOil(items);
  size_t lastCount = 0;
  for (size_t n = 0; n < good.size(); ++n) {
    const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    const OilReadResult read = ReadOil(cut.data(), cut.size());
    ASSERT_FALSE(read.Ok) << "cut at " << n;
    ASSERT_LE(read.Items.size(), items.size());
    ASSERT_GE(read.Items.size(), lastCount) << "cut at " << n;
    lastCount = read.Items.size();
    for (size_t i = 0; i + 1 < read.Items.size(); ++i) ASSERT_EQ(read.Items[i], items[i]);
  }
}

}  // namespace
