#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

class TImageListItem;
class TKaltoSprite;

// Rounds a position to a whole pixel: halves, and fractions from 0.49995 on, go away from
// zero (the value is first brought to four decimals, ties to even). Positions beyond
// 2^30 pixels are held there.
int32_t SnapToPixel(double x);

struct SpriteRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

struct SpritePoint {
  float X = 0;
  float Y = 0;
};

// Everything that moves or animates on a screen: one tile of one image-list item drawn with
// position, depth, rotation, scale, mirroring, colour and blend mode. A sprite belongs to the
// engine it was created on: the constructor inserts it into the engine's list in depth
// order, Dead() marks it, and the engine frees it (KillDead, or its own destruction).
// Create sprites with new; never delete one that the engine may still be iterating.
//
// The virtual operations keep their historical order; subclasses override Move, Draw and
// OnCollision (and the constructor), nothing else.
class TSprite {
 public:
  explicit TSprite(TKaltoSprite& engine);
  virtual ~TSprite();
  TSprite(const TSprite&) = delete;
  TSprite& operator=(const TSprite&) = delete;

  // Tile rectangle of the current pattern inside the picture; clamps PatternIndex into the
  // item's pattern range first.
  virtual SpriteRect GetPatternRect();
  virtual void SetName(const std::string& name);
  // Colour components; each setter refreshes all four vertex colours from the low bytes.
  virtual void SetRed(int32_t value);
  virtual void SetGreen(int32_t value);
  virtual void SetBlue(int32_t value);
  virtual void SetAlpha(int32_t value);
  // Stores the index and the tile's pixel offset; an index above the pattern count is
  // lowered to the count (which draws the last tile).
  virtual void SetPatternIndex(int32_t index);
  virtual void SetX(float x);
  virtual void SetY(float y);
  // A changed depth moves the sprite to its sorted place, in front of equal depths.
  virtual void SetZ(int32_t z);
  // Binds the picture and takes its tile size as the sprite's size.
  virtual void SetImage(TImageListItem* item);
  virtual void SetWidth(int32_t width);
  virtual void SetHeight(int32_t height);
  // Copies every drawable property of another sprite, through the setters.
  virtual void Assign(const TSprite& other);
  // Tells both sprites when they touch (box test, or pixel test when asked for).
  virtual void Collision(TSprite& other);
  // Marks the sprite for the engine's next dead pass; it keeps moving and drawing until then.
  virtual void Dead();
  // x, y: where the sprites touched, relative to this sprite's bounds (0, 0 for box hits).
  virtual void OnCollision(TSprite& other, int32_t x, int32_t y);
  // Per-frame logic; moveCount is passed through from MoveAll.
  virtual void Move(int32_t moveCount);
  virtual void Draw();

  void SetAdditiveBlend(bool additive);

  TKaltoSprite& Engine() const { return engine_; }
  const std::string& Name() const { return name_; }
  float X() const { return x_; }
  float Y() const { return y_; }
  float MidX() const { return midX_; }
  float MidY() const { return midY_; }
  int32_t Z() const { return z_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t PatternIndex() const { return patternIndex_; }
  int32_t PatternX() const { return patternX_; }
  int32_t PatternY() const { return patternY_; }
  int32_t Red() const { return red_; }
  int32_t Green() const { return green_; }
  int32_t Blue() const { return blue_; }
  int32_t Alpha() const { return alpha_; }
  TImageListItem* Image() const { return image_; }
  // Snapped position and size: right and bottom are exclusive.
  const SpriteRect& Bounds() const { return bounds_; }
  // Top-right, bottom-right and bottom-left corners of the unturned box.
  const std::array<SpritePoint, 3>& BoxCorners() const { return boxCorners_; }
  bool AdditiveBlend() const { return additiveBlend_; }
  bool IsDead() const { return dead_; }

  bool Visible = true;
  bool ScreenFixed = false;  // the engine's world offset is not applied
  int32_t BlendMode = 0;
  bool MirrorX = false;
  bool MirrorY = false;
  float OriginX = 0;  // centre of rotation and scale, as fractions of the tile size
  float OriginY = 0;
  std::array<uint32_t, 4> VertexColors;  // ARGB: top-left, top-right, bottom-right, bottom-left
  bool Collide = false;
  bool PixelCheck = false;
  bool ForcePixelCheck = false;  // every pair with this sprite goes to the pixel test
  float Angle = 0;               // degrees, clockwise
  float ScaleX = 1;
  float ScaleY = 1;
  float DrawOffsetX = 0;  // added to the position when drawing only
  float DrawOffsetY = 0;

 private:
  void RefreshVertexColors();
  bool PixelsTouch(TSprite& other, const SpriteRect& overlap, int32_t& hitX, int32_t& hitY);

  TKaltoSprite& engine_;
  std::string name_;
  float x_ = 0;
  float y_ = 0;
  std::array<SpritePoint, 3> boxCorners_{{{10, 0}, {10, 10}, {0, 10}}};
  int32_t patternX_ = 0;
  int32_t patternY_ = 0;
  int32_t patternIndex_ = 0;
  float midX_ = 0;
  float midY_ = 0;
  int32_t z_ = 0;
  int32_t red_ = 255;
  int32_t green_ = 255;
  int32_t blue_ = 255;
  int32_t alpha_ = 255;
  TImageListItem* image_ = nullptr;
  int32_t width_ = 10;
  int32_t height_ = 10;
  SpriteRect bounds_;
  bool additiveBlend_ = false;
  bool dead_ = false;

  friend class TKaltoSprite;
};

// The sprite engine: owns every sprite of a screen in one list of ascending depth, moves and
// draws them in that order, and frees the ones marked dead.
class TKaltoSprite {
 public:
  TKaltoSprite();
  // Frees every sprite, from the last in the list.
  ~TKaltoSprite();
  TKaltoSprite(const TKaltoSprite&) = delete;
  TKaltoSprite& operator=(const TKaltoSprite&) = delete;

  // Move and draw passes run over as many positions as the list had when the pass began,
  // taking whatever sprite stands at each position then.
  void MoveAll(int32_t moveCount);
  void DrawAll();
  // Frees the sprites marked dead, the last marked first.
  void KillDead();
  // The sprite at a list position, or null outside 0..SpriteCount() - 1.
  TSprite* Sprites(int index) const;
  int SpriteCount() const { return static_cast<int>(sprites_.size()); }

  // Drawing area for culling; all four 0 turns culling off.
  int32_t DrawAreaX1 = 0;
  int32_t DrawAreaY1 = 0;
  int32_t DrawAreaX2 = 0;
  int32_t DrawAreaY2 = 0;
  // Subtracted from the drawn position of every sprite that is not ScreenFixed.
  float WorldX = 0;
  float WorldY = 0;

  // How a sprite that cannot draw (its picture has no texture) is reported: once per item.
  // Defaults to a message box that also goes to stderr.
  std::function<void(const std::string& caption, const std::string& text)> ReportError;

 private:
  friend class TSprite;
  void Insert(TSprite* sprite);
  void Remove(TSprite* sprite);
  void RemoveFromDeadList(TSprite* sprite);
  void ReportMissingTexture(const TImageListItem* item);

  std::vector<TSprite*> sprites_;
  std::vector<TSprite*> dead_;
  std::unordered_set<const TImageListItem*> reportedItems_;
};
