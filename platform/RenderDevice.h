#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/PixelImage.h"

struct PendingQuad;

class RenderDevice;
class Window;
struct SDL_Renderer;
struct SDL_Texture;

// One pre-transformed vertex: position in pixels with pixel centres on whole coordinates
// (the device shifts to SDL's half-pixel centres itself), z and reciprocal w kept for the
// callers' layout but unused, diffuse colour as ARGB, texture coordinates.
struct QuadVertex {
  float X = 0, Y = 0, Z = 0, Rhw = 1;
  uint32_t Color = 0xFFFFFFFF;
  float U = 0, V = 0;
};

// Blend factors, named as the source and destination factors of the blend equation
// result = source x SourceFactor + destination x DestinationFactor.
enum class BlendFactor : uint8_t {
  Zero,
  One,
  SrcColor,
  InvSrcColor,
  SrcAlpha,
  InvSrcAlpha,
  DestColor,
  InvDestColor,
};

// What the device can draw right now.
enum class DeviceState : uint8_t {
  Ok,
  Lost,        // the window is minimised in full screen: skip frames
  NeedsReset,  // the renderer lost its textures (or came back from Lost): Reset(), rebuild
};

// A texture made from RGBA pixels (red, green, blue, alpha bytes, rows top to bottom).
// It may be destroyed at any time, also while quads drawn with it wait in the device's
// frame (they are drawn first), and it may outlive its device (it is then empty).
class DeviceTexture {
 public:
  ~DeviceTexture();
  DeviceTexture(const DeviceTexture&) = delete;
  DeviceTexture& operator=(const DeviceTexture&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Every pixel fully opaque: drawn with plain alpha blending, the device may skip blending.
  bool Opaque() const { return opaque_; }
  // Replaces all pixels (Width x Height x 4 bytes). False when SDL refused.
  bool Update(const uint8_t* rgba);

 private:
  friend class RenderDevice;
  DeviceTexture(RenderDevice* device, SDL_Texture* texture, int width, int height);
  RenderDevice* device_;  // null once the device is gone
  SDL_Texture* texture_;
  int width_;
  int height_;
  bool opaque_ = false;
  bool linear_ = false;  // filter last applied to the SDL texture
  int blendSet_ = -1;    // SDL blend mode last applied to the SDL texture
};

// True when the quad (vertices as RenderDevice::DrawQuad takes them) copies texels to pixels
// one to one: an upright rectangle, unscaled, its edges on pixel and texel edges. Linear and
// nearest sampling give the same pixels there.
bool IsWholePixelCopy(const QuadVertex vertices[4], const DeviceTexture& texture);

// The drawing device over an SDL renderer on the main window. Everything is drawn into a
// picture of the logical size; Present shows it scaled into the window as it is now (see
// PictureFit): sharp pixels at whole multiples, smoothed at any other scale, black bars
// round it. A frame's quads wait until Clear, Present or ReadPixels (or until a texture they
// use goes away); what later opaque quads paint over is then left out (see
// LeaveOutHiddenQuads), and consecutive quads with the same texture, blend, filter and clip
// go to SDL in one geometry call. Quads wholly outside the picture are skipped.
class RenderDevice {
 public:
  // driver: "opengl", "software", or "" for the automatic choice: opengl on a real GPU,
  // software when there is none or its OpenGL driver rasterises on the processor (see
  // IsCpuRasteriser). Returns null when no renderer could be made; `error` then says why.
  static std::unique_ptr<RenderDevice> Create(Window& window, const std::string& driver,
                                              int logicalWidth, int logicalHeight,
                                              std::string* error = nullptr);
  ~RenderDevice();
  RenderDevice(const RenderDevice&) = delete;
  RenderDevice& operator=(const RenderDevice&) = delete;

  // SDL's name of the driver in use ("opengl", "software", ...).
  const std::string& DriverName() const { return driverName_; }
  // The OpenGL driver's name for its renderer ("llvmpipe (LLVM 15.0.6, 256 bits)", a GPU's
  // name); empty for the software driver.
  const std::string& GlRenderer() const { return glRenderer_; }
  int LogicalWidth() const { return logicalWidth_; }
  int LogicalHeight() const { return logicalHeight_; }
  // Changes the logical picture size (a new, black picture).
  void SetLogicalSize(int width, int height);
  void SetVSync(bool on);
  // The largest texture side the renderer accepts (16384 when SDL names no limit).
  int MaxTextureSize() const;

  // Null when SDL refused (the reason goes to stderr).
  std::unique_ptr<DeviceTexture> CreateTexture(int width, int height, const uint8_t* rgba);

  // Draw state. The texture is borrowed until the next SetTexture (or null: untextured).
  void SetTexture(const DeviceTexture* texture);
  void SetBlend(BlendFactor source, BlendFactor destination);
  void SetDestinationBlend(BlendFactor destination);
  BlendFactor SourceBlend() const { return source_; }
  BlendFactor DestinationBlend() const { return destination_; }
  void SetTextureFilter(bool linear) { linearFilter_ = linear; }

  // One quad: vertices in order around it, drawn as a fan of two triangles from vertex 0.
  void DrawQuad(const QuadVertex vertices[4]);
  // Fills the whole picture with the colour (no blending).
  void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
  void Present();
  // The picture drawn so far, at its logical size whatever the window's (call before
  // Present).
  PixelImage ReadPixels();

  // When set, Present first reads the finished picture into LastPresented() (for the
  // headless harness, which saves and checks frames after they are shown).
  void SetKeepPresentedFrame(bool keep) { keepPresented_ = keep; }
  const PixelImage& LastPresented() const { return lastPresented_; }
  // When cleared, quads are counted but not drawn, and Clear and Present do nothing (fast
  // headless stepping).
  void SetRasterize(bool rasterize) { rasterize_ = rasterize; }
  bool Rasterize() const { return rasterize_; }
  int64_t QuadsSubmitted() const { return quadsSubmitted_; }
  int64_t DrawCalls() const { return drawCalls_; }
  int64_t TexturesCreated() const { return texturesCreated_; }
  // Quads left out or clipped because later ones painted over them.
  int64_t QuadsHidden() const { return quadsHidden_; }
  // On by default; off, every quad is drawn whole (to compare pictures and costs).
  void SetLeaveOutHidden(bool on) { leaveOutHidden_ = on; }

  // SDL's render-reset events and full-screen minimising, as seen since the last Reset.
  DeviceState TestCooperativeLevel() const { return state_; }
  // Back to Ok after NeedsReset; textures made before a device reset must be remade by
  // their owners. False while still Lost.
  bool Reset();

 private:
  friend class DeviceTexture;
  RenderDevice(Window& window, SDL_Renderer* renderer, SDL_Texture* picture, int logicalWidth,
               int logicalHeight);
  // A render-target texture of the logical size; null when SDL refused.
  static SDL_Texture* CreatePicture(SDL_Renderer* renderer, int width, int height);
  // Replaces the picture by a new one of the logical size and draws into it.
  void RemakePicture();
  static int OnSdlEvent(void* self, union SDL_Event* event);
  // Draws the waiting quads.
  void Flush();
  // One geometry call for the quads [first, last) of the frame, which share their state.
  void DrawBatch(const PendingQuad* first, const PendingQuad* last);
  int SdlBlendFor(BlendFactor source, BlendFactor destination, bool opaqueTexture);
  void ApplyTextureState(DeviceTexture* texture, int blend, bool linear);
  // A texture going away: pending quads that use it are drawn first.
  void Forget(const DeviceTexture* texture);

  Window& window_;
  SDL_Renderer* renderer_;
  SDL_Texture* picture_;  // where everything is drawn; the render target except in Present
  std::string driverName_;
  std::string glRenderer_;
  float pixelCentreShift_ = 0.5f;
  int logicalWidth_;
  int logicalHeight_;

  const DeviceTexture* texture_ = nullptr;
  BlendFactor source_ = BlendFactor::SrcAlpha;
  BlendFactor destination_ = BlendFactor::InvSrcAlpha;
  bool linearFilter_ = false;

  std::vector<PendingQuad> frame_;  // the quads waiting to be drawn
  bool leaveOutHidden_ = true;
  // One geometry call's arrays, kept to save allocations.
  std::vector<float> batchXY_;
  std::vector<float> batchUV_;
  std::vector<uint32_t> batchColor_;  // SDL_Color bytes r, g, b, a in memory order
  std::vector<int> batchIndices_;

  // The SDL blend mode drawn for each factor pair; -1 not yet decided.
  std::vector<int> blendCache_;

  bool keepPresented_ = false;
  PixelImage lastPresented_;
  bool rasterize_ = true;
  int64_t quadsSubmitted_ = 0;
  int64_t drawCalls_ = 0;
  int64_t texturesCreated_ = 0;
  int64_t quadsHidden_ = 0;
  DeviceState state_ = DeviceState::Ok;
  std::vector<DeviceTexture*> textures_;  // alive, made by this device
};
