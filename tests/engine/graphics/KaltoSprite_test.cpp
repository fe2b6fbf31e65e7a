#include "engine/graphics/KaltoSprite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/KaltoImageList.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/support/HeadlessScreen.h"

namespace {

// A sprite that writes what happens to it into a shared log.
class LoggingSprite : public TSprite {
 public:
  LoggingSprite(TKaltoSprite& engine, std::string tag, int32_t z, std::vector<std::string>& log)
      : TSprite(engine), tag_(std::move(tag)), log_(log) {
    SetZ(z);
  }
  ~LoggingSprite() override { log_.push_back("free " + tag_); }
  void Move(int32_t) override {
    log_.push_back("move " + tag_);
    if (OnMove) OnMove();
  }
  void Draw() override { log_.push_back("draw " + tag_); }
  void OnCollision(TSprite& other, int32_t x, int32_t y) override {
    const auto* o = dynamic_cast<LoggingSprite*>(&other);
    log_.push_back("hit " + tag_ + " by " + (o ? o->tag_ : "?") + " at " + std::to_string(x) + "," +
                   std::to_string(y));
  }

  std::function<void()> OnMove;

 private:
  std::string tag_;
  std::vector<std::string>& log_;
};

std::vector<std::string> Tags(const TKaltoSprite& engine) {
  std::vector<std::string> names;
  for (int i = 0; i < engine.SpriteCount(); ++i) names.push_back(engine.Sprites(i)->Name());
  return names;
}

}  // namespace

TEST(SpriteSnap, HalvesAndFractionsFrom0_49995GoAwayFromZero) {
  struct Case {
    double x;
    int32_t snapped;
  };
  const Case cases[] = {{2.5, 3}, {-2.5, -3}, {2.49996, 3}, {2.4999, 2},          {-2.49996, -3},
                        {0.4, 0}, {-0.4, 0},  {-0.5, -1},   {1e6 + 0.5, 1000001}, {0, 0}};
  for (const Case& c : cases) EXPECT_EQ(SnapToPixel(c.x), c.snapped) << c.x;

  TKaltoSprite engine;
  auto* s = new TSprite(engine);
  s->SetX(2.5f);
  EXPECT_EQ(s->Bounds().Left, 3);
  EXPECT_EQ(s->Bounds().Right, 13);
  s->SetX(-2.5f);
  EXPECT_EQ(s->Bounds().Left, -3);
  s->SetY(2.49996f);
  EXPECT_EQ(s->Bounds().Top, 3);
  EXPECT_FLOAT_EQ(s->MidY(), 7.49996f);
}

TEST(SpriteEngine, KeepsDepthOrderWithTheNewestFirstAmongEqualDepths) {
  TKaltoSprite engine;
  auto make = [&engine](const char* name, int32_t z) {
    auto* s = new TSprite(engine);
    s->SetName(name);
    s->SetZ(z);
    return s;
  };
  TSprite* oldest = make("a", 5);
  make("b", 5);
  make("c", 5);
  make("low", 1);
  make("high", 9);
  EXPECT_EQ(Tags(engine), (std::vector<std::string>{"low", "c", "b", "a", "high"}));
  oldest->SetZ(5);  // unchanged depth: stays where it is
  EXPECT_EQ(Tags(engine), (std::vector<std::string>{"low", "c", "b", "a", "high"}));
  oldest->SetZ(4);
  oldest->SetZ(5);  // re-inserted: now the newest of the three
  EXPECT_EQ(Tags(engine), (std::vector<std::string>{"low", "a", "c", "b", "high"}));
  EXPECT_EQ(engine.Sprites(-1), nullptr);
  EXPECT_EQ(engine.Sprites(5), nullptr);
}

TEST(SpriteEngine, PassesRunOverTheCountTheListHadWhenTheyBegan) {
  std::vector<std::string> log;  // outlives the engine, which logs as it frees
  TKaltoSprite engine;
  auto* first = new LoggingSprite(engine, "first", 1, log);
  new LoggingSprite(engine, "second", 2, log);
  // A sprite made during the pass at the end of the list waits for the next pass.
  bool made = false;
  first->OnMove = [&] {
    if (!made) new LoggingSprite(engine, "late", 3, log);
    made = true;
  };
  engine.MoveAll(0);
  EXPECT_EQ(log, (std::vector<std::string>{"move first", "move second"}));
  log.clear();
  engine.MoveAll(0);
  EXPECT_EQ(log, (std::vector<std::string>{"move first", "move second", "move late"}));
}

TEST(SpriteEngine, DeadSpritesMoveAndDrawUntilKilledLastMarkedFirst) {
  std::vector<std::string> log;
  {
    TKaltoSprite engine;
    auto* a = new LoggingSprite(engine, "a", 1, log);
    auto* b = new LoggingSprite(engine, "b", 2, log);
    auto* c = new LoggingSprite(engine, "c", 3, log);
    auto* hidden = new LoggingSprite(engine, "hidden", 4, log);
    hidden->Visible = false;  // still moved; its own Draw decides what to show
    a->OnMove = [a] { a->Dead(); };
    engine.MoveAll(0);
    engine.DrawAll();
    EXPECT_EQ(log, (std::vector<std::string>{"move a", "move b", "move c", "move hidden", "draw a",
                                             "draw b", "draw c", "draw hidden"}));
    c->Dead();
    c->Dead();  // harmless
    log.clear();
    engine.KillDead();
    EXPECT_EQ(log, (std::vector<std::string>{"free c", "free a"}));
    EXPECT_EQ(engine.SpriteCount(), 2);
    b->Dead();
    delete b;  // freeing directly leaves both lists
    engine.KillDead();
    EXPECT_EQ(log, (std::vector<std::string>{"free c", "free a", "free b"}));
    new LoggingSprite(engine, "front", 0, log);
    log.clear();
  }
  // The engine frees what is left, from the end of the list.
  EXPECT_EQ(log, (std::vector<std::string>{"free hidden", "free front"}));
}

TEST(SpriteCollision, BoxesMustShareAPixelAndBothMustCollide) {
  struct Case {
    float otherX;
    bool bothCollide;
    bool otherDead;
    bool hit;
  };
  const Case cases[] = {{9, true, false, true},
                        {10, true, false, false},  // only an edge is shared
                        {5, false, false, false},
                        {5, true, true, false}};
  for (const Case& c : cases) {
    std::vector<std::string> log;
    TKaltoSprite engine;
    auto* a = new LoggingSprite(engine, "a", 0, log);
    auto* b = new LoggingSprite(engine, "b", 0, log);
    a->Collide = true;
    b->Collide = c.bothCollide;
    for (TSprite* s : {static_cast<TSprite*>(a), static_cast<TSprite*>(b)}) {
      s->SetX(0);  // bounds stay empty until the position is set
      s->SetY(0);
    }
    b->SetX(c.otherX);
    if (c.otherDead) b->Dead();
    a->Collision(*b);
    const std::vector<std::string> expected =
        c.hit ? std::vector<std::string>{"hit a by b at 0,0", "hit b by a at 0,0"}
              : std::vector<std::string>{};
    EXPECT_EQ(log, expected) << c.otherX;
  }
}

class SpriteDrawing : public ::testing::Test {
 protected:
  HeadlessScreen h{rmSoftware};
  TKaltoImageList list;
  TKaltoSprite engine;

  void SetUp() override { list.SetKaltoScreen(&h.Screen); }

  TImageListItem& AddItem(const std::string& name, const PixelImage& picture, int tileW,
                          int tileH) {
    TImageListItem& item = list.ImageList().Add();
    item.Name = name;
    item.Picture = PngPicture(picture);
    item.SetTileWidth(tileW);
    item.SetTileHeight(tileH);
    return item;
  }
  int64_t QuadsFor(TSprite& sprite) {
    const int64_t before = h.Screen.Device()->QuadsSubmitted();
    sprite.Draw();
    return h.Screen.Device()->QuadsSubmitted() - before;
  }
};

TEST_F(SpriteDrawing, PatternIndexAboveTheCountDrawsTheLastTile) {
  TImageListItem& sheet = AddItem("sheet", TileSheet(10, 10, 2, 3, SixColours()), 10, 10);
  list.BuildTextures();
  auto* s = new TSprite(engine);
  s->SetImage(&sheet);
  EXPECT_EQ(s->Width(), 10);
  s->SetPatternIndex(6 + 3);
  EXPECT_EQ(s->PatternIndex(), 6);
  const SpriteRect r = s->GetPatternRect();
  EXPECT_EQ(s->PatternIndex(), 5);
  EXPECT_EQ(r.Left, 10);
  EXPECT_EQ(r.Top, 20);
  EXPECT_EQ(r.Right, 20);
  EXPECT_EQ(r.Bottom, 30);

  h.Screen.Clear(0, 0, 0, 255);
  h.Screen.BeginScene();
  s->SetPatternIndex(9);
  s->SetX(100);
  s->SetY(100);
  s->Draw();
  const PixelImage frame = h.Screen.Device()->ReadPixels();
  const Rgba8 drawn = PixelAt(frame, 105, 105);
  const Rgba8 lastTile = SixColours()[5];
  EXPECT_NEAR(drawn.R, lastTile.R, 3);
  EXPECT_NEAR(drawn.G, lastTile.G, 3);
  EXPECT_NEAR(drawn.B, lastTile.B, 3);
}

TEST_F(SpriteDrawing, CullsAgainstTheDrawAreaOnlyWhenOneIsSet) {
  TImageListItem& dot = AddItem("dot", TileSheet(16, 16, 1, 1, SixColours()), 16, 16);
  list.BuildTextures();
  auto* s = new TSprite(engine);
  s->SetImage(&dot);
  h.Screen.BeginScene();
  struct Case {
    int32_t area;  // draw area (0, 0, area, area * 3 / 4), or none for 0
    float x;
    int64_t quads;
  };
  const Case cases[] = {{0, 5000, 1}, {800, 801, 0}, {800, 800, 1}, {800, -16, 1}, {800, -17, 0}};
  for (const Case& c : cases) {
    engine.DrawAreaX2 = c.area;
    engine.DrawAreaY2 = c.area * 3 / 4;
    s->SetX(c.x);
    EXPECT_EQ(QuadsFor(*s), c.quads) << c.area << " at " << c.x;
  }
  s->Visible = false;
  EXPECT_EQ(QuadsFor(*s), 0);
}

TEST_F(SpriteDrawing, APictureWithoutTextureIsReportedOncePerItemAndNotDrawn) {
  TImageListItem& empty = list.ImageList().Add();  // no picture: never gets a texture
  empty.Name = "empty";
  TImageListItem& other = list.ImageList().Add();
  other.Name = "other";
  list.BuildTextures();
  std::vector<std::string> messages;
  engine.ReportError = [&](const std::string& caption, const std::string& text) {
    messages.push_back(caption + ": " + text);
  };
  auto* a = new TSprite(engine);
  a->SetImage(&empty);
  auto* b = new TSprite(engine);
  b->SetImage(&empty);
  auto* c = new TSprite(engine);
  c->SetImage(&other);
  h.Screen.BeginScene();
  const int64_t before = h.Screen.Device()->QuadsSubmitted();
  for (int frame = 0; frame < 3; ++frame) engine.DrawAll();
  EXPECT_EQ(h.Screen.Device()->QuadsSubmitted(), before);
  EXPECT_EQ(messages, (std::vector<std::string>{"Error: No KaltoImageList assigned to sprite!",
                                                "Error: No KaltoImageList assigned to sprite!"}));
}

TEST_F(SpriteDrawing, PixelTestNeedsOpaqueTexelsOfBothUnderTheOverlap) {
  // A 16 x 16 picture whose left half is transparent.
  PixelImage half = TileSheet(8, 16, 2, 1, {{0, 0, 0, 0}, {200, 10, 10, 255}});
  TImageListItem& item = AddItem("half", half, 16, 16);
  list.BuildTextures();
  struct Case {
    const char* what;
    float otherX;
    bool otherMirrored;
    bool otherPixelCheck;
    bool forced;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      // b's transparent left half lies over a's opaque right half.
      {"transparent over opaque", 8, false, true, false, {}},
      // Mirrored, b's opaque half comes first: the first touching point is (8, 0).
      {"mirrored", 8, true, true, false, {"hit a by b at 8,0", "hit b by a at 0,0"}},
      {"overlap reaching b's opaque half",
       1,
       false,
       true,
       false,
       {"hit a by b at 8,0", "hit b by a at 7,0"}},
      {"forced with only one pixel-checked sprite", 1, false, false, true, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> log;
    TKaltoSprite local;
    auto* a = new LoggingSprite(local, "a", 0, log);
    auto* b = new LoggingSprite(local, "b", 0, log);
    for (TSprite* s : {static_cast<TSprite*>(a), static_cast<TSprite*>(b)}) {
      s->SetImage(&item);
      s->Collide = true;
    }
    a->PixelCheck = true;
    b->PixelCheck = c.otherPixelCheck;
    a->ForcePixelCheck = c.forced;
    b->MirrorX = c.otherMirrored;
    b->SetX(c.otherX);
    a->Collision(*b);
    EXPECT_EQ(log, c.log) << c.what;
  }
}
