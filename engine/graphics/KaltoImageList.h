#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/DeviceResourceOwner.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/TexelMask.h"

class DeviceTexture;
class TKaltoImageList;
class TKaltoRenderer;
class TKaltoScreen;

// A rectangle in pixels: left, top, right, bottom.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// A side of the texture made for a picture side: the picture side itself when it is a power
// of two (at least 2), otherwise one texel more. The extra transparent-black texel is what a
// smoothed texture shows beyond the picture's right and bottom edges; a power-of-two side
// needs none, its edge texels repeat. (Padding to powers of two would hold up to four
// times the picture's memory, in the driver too.)
int32_t TextureSide(int32_t pictureSide);

// One picture of an image list, cut into equal tiles ("patterns") numbered row by row from
// the top-left tile. Owns its texture once the list built textures on a screen.
class TImageListItem {
 public:
  TImageListItem();
  ~TImageListItem();
  TImageListItem(const TImageListItem&) = delete;
  TImageListItem& operator=(const TImageListItem&) = delete;

  // Stored properties (see OilItem). TileWidth/TileHeight go through their setters.
  std::string Name;
  OilPicture Picture;  // filled directly by loading; SetPicture also sizes the item
  uint32_t TransparentColor = 0;
  bool Transparent = false;
  std::string Filepath;

  int32_t TileWidth() const { return tileWidth_; }
  int32_t TileHeight() const { return tileHeight_; }
  // 0 means "the whole picture width" (height); Columns (Rows) follow.
  void SetTileWidth(int32_t value);
  void SetTileHeight(int32_t value);
  // Copies the picture, sizes the item from it and makes the whole picture one tile.
  void SetPicture(const OilPicture& picture);

  // Valid once a texture was built (or after SetPicture); at least 1 then.
  int32_t PictureWidth() const { return pictureWidth_; }
  int32_t PictureHeight() const { return pictureHeight_; }
  int32_t Rows() const { return rows_; }
  int32_t Columns() const { return columns_; }
  int32_t PatternCount() const { return rows_ * columns_; }
  // Size of the texture (see TextureSide); the picture sits at its top-left.
  int32_t TextureWidth() const { return textureWidth_; }
  int32_t TextureHeight() const { return textureHeight_; }
  // Tile pattern's top-left pixel in the texture (pattern already clamped by the caller).
  int32_t PatternX(int32_t pattern) const;
  int32_t PatternY(int32_t pattern) const;

  const DeviceTexture* Texture() const { return texture_.get(); }
  bool HasTexture() const { return texture_ != nullptr; }
  // Which texels of the texture as built hold anything (TextureWidth x TextureHeight;
  // colour-keyed and padding texels are empty), for pixel-exact collision tests. The pixels
  // themselves live only in the texture.
  const TexelMask& SolidTexels() const { return solid_; }
  // The list whose renderer and screen draw this item (none until textures are built).
  TKaltoImageList* List() const { return list_; }

  // Draw operations. X, Y: top-left before rotation; Angle in degrees, clockwise; Origin:
  // fraction of the tile (or picture) locating the centre of rotation and scale; a scale of
  // exactly 0 counts as 1; colours ARGB; BlendMode -1 leaves the blend state alone;
  // PatternIndex -1 draws the whole picture, an index past the last tile draws the last.
  // Corners in order top-left, top-right, bottom-right, bottom-left.
  void DrawCorners(float X, float Y, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                   float Angle, float OriginX, float OriginY, float ScaleX, float ScaleY,
                   uint32_t Colour1, uint32_t Colour2, uint32_t Colour3, uint32_t Colour4,
                   bool MirrorY, bool MirrorX, int32_t PatternIndex, int32_t BlendMode);
  void DrawColors(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY, float ScaleX,
                  float ScaleY, uint32_t Colour1, uint32_t Colour2, uint32_t Colour3,
                  uint32_t Colour4, bool MirrorY, bool MirrorX, int32_t PatternIndex,
                  int32_t BlendMode);
  void DrawTinted(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY, float ScaleX,
                  float ScaleY, uint32_t Colour, bool MirrorY, bool MirrorX, int32_t PatternIndex,
                  int32_t BlendMode);
  // Sets the device's destination blend factor itself (one when Additive, inverse source
  // alpha otherwise) without telling the screen, so a later draw whose blend mode number the
  // screen believes current keeps that factor.
  void DrawRGBA(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY, float ScaleX,
                float ScaleY, uint8_t Red, uint8_t Green, uint8_t Blue, uint8_t Alpha,
                bool Additive, int32_t PatternIndex, int32_t BlendMode);
  // Angle 0, origin 0, scale 1, opaque white, no mirroring, blend mode 0.
  void DrawPlain(int32_t X, int32_t Y, int32_t PatternIndex);
  // Corners are Rect moved by (X, Y).
  void DrawStretched(const TRect& Rect, int32_t X, int32_t Y, float Angle, float OriginX,
                     float OriginY, float ScaleX, float ScaleY, uint8_t Red, uint8_t Green,
                     uint8_t Blue, uint8_t Alpha, bool MirrorY, bool MirrorX, int32_t PatternIndex,
                     int32_t BlendMode);

 private:
  friend class TKaltoImageList;
  // Builds the texture on the list's screen (or refreshes sizes and references when it
  // exists). False when the picture could not be turned into a texture.
  bool BuildTexture(TKaltoImageList& list);
  void ReleaseDevice();
  void RecomputeTiles();

  int32_t tileWidth_ = 1;
  int32_t tileHeight_ = 1;
  int32_t pictureWidth_ = 0;
  int32_t pictureHeight_ = 0;
  int32_t rows_ = 0;
  int32_t columns_ = 0;
  int32_t textureWidth_ = 0;
  int32_t textureHeight_ = 0;
  std::unique_ptr<DeviceTexture> texture_;
  TexelMask solid_;
  // The external picture file's bytes as first read: rebuilds after a device reset decode
  // them again, the file may be gone by then.
  OilPicture externalPicture_;
  bool external_ = false;
  TKaltoImageList* list_ = nullptr;
};

// The ordered items of an image list.
class TImageListCollection {
 public:
  // Takes the bytes as loaded and returns the bytes to parse (for encrypted lists).
  using StreamDecoder = std::function<std::vector<uint8_t>(std::vector<uint8_t>)>;

  TImageListItem* Items(int index) const;  // none when out of range
  int Count() const { return static_cast<int>(items_.size()); }
  TImageListItem& Add();
  void Clear() { items_.clear(); }
  // The first item, in order, whose Name equals name exactly (case-sensitive); none else.
  TImageListItem* Find(const std::string& name) const;
  // Replaces the items by copies of other's (stored properties and picture).
  void Assign(const TImageListCollection& other);

  StreamDecoder Decoder;

 private:
  std::vector<std::unique_ptr<TImageListItem>> items_;
};

// A named collection of pictures loaded from an image-list file, turned into textures on
// its screen. Owns the renderer its items draw through. Registered with its screen, it
// rebuilds its textures after every device reset.
class TKaltoImageList : public DeviceResourceOwner {
 public:
  // Where load and texture failures are shown: (caption, text). Defaults to a message box.
  using MessageSink = std::function<void(const std::string& caption, const std::string& text)>;

  TKaltoImageList();
  ~TKaltoImageList() override;
  TKaltoImageList(const TKaltoImageList&) = delete;
  TKaltoImageList& operator=(const TKaltoImageList&) = delete;

  TImageListCollection& ImageList() { return list_; }
  const TImageListCollection& ImageList() const { return list_; }
  void SetImageList(const TImageListCollection& list) { list_.Assign(list); }

  TKaltoScreen* KaltoScreen() const { return screen_; }
  void SetKaltoScreen(TKaltoScreen* screen);
  TKaltoRenderer& Renderer() { return *renderer_; }

  // A file that cannot be read is reported and the items stay as they were. A stream that
  // cannot be parsed is reported; the items read before the damage stay. Both return false.
  bool LoadFromFile(const std::string& path);
  // The file last given to LoadFromFile (for messages about it).
  const std::string& FileName() const { return fileName_; }
  bool LoadFromStream(const std::vector<uint8_t>& bytes);

  TImageListItem* Find(const std::string& name) const { return list_.Find(name); }
  TImageListItem* Items(int index) const { return list_.Items(index); }
  int Count() const { return list_.Count(); }

  // Builds every item's texture on the screen (nothing without a screen). A picture that
  // cannot become a texture is reported and ends the program.
  void BuildTextures();
  // Items drop their screen references; their textures stay.
  void ReleaseTextures();
  // Kept for the callers' frame structure; drawing needs no bracket.
  void BeginDraw() {}
  void EndDraw() {}

  Kind DeviceResourceKind() const override { return Kind::ImageList; }
  void RestoreDeviceResources() override { BuildTextures(); }
  void ReleaseDeviceResources() override { ReleaseTextures(); }

  void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }
  void ShowMessage(const std::string& caption, const std::string& text) const;

  // The texts of the three failures.
  static constexpr const char* kFileErrorText = "Cannot be loaded - file error or file crypted!";
  static constexpr const char* kStreamErrorCaption = "Error!";
  static constexpr const char* kStreamErrorText =
      "The stream could not be loaded, either it is corrupt or encrypted!";
  static constexpr const char* kTextureErrorCaption = "Error";
  static constexpr const char* kTextureErrorText = "Error creating texture ";

 private:
  TImageListCollection list_;
  std::string fileName_;
  TKaltoScreen* screen_ = nullptr;
  std::unique_ptr<TKaltoRenderer> renderer_;
  MessageSink sink_;
};
