#include "platform/RenderDevice.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/HiddenQuads.h"
#include "platform/PictureFit.h"
#include "platform/RendererChoice.h"
#include "platform/Window.h"

namespace {

constexpr int kFactorCount = 8;

// Our callers put pixel centres on whole coordinates, SDL on half ones: shift by half a
// pixel. For accelerated drivers a hair less than half, so that an edge running exactly
// through pixel centres keeps the pixels on its left and top side and drops those on its
// right and bottom side, as our callers expect, although OpenGL's fill rule, seen through
// SDL's flipped y, is upside down. SDL's software rasteriser snaps vertices to its own
// grid and needs the exact half.
float PixelCentreShift(const std::string& driver) {
  return driver == "software" ? 0.5f : 0.5f - 1.0f / 64.0f;
}

SDL_BlendFactor SdlFactor(BlendFactor f) {
  switch (f) {
    case BlendFactor::Zero:
      return SDL_BLENDFACTOR_ZERO;
    case BlendFactor::One:
      return SDL_BLENDFACTOR_ONE;
    case BlendFactor::SrcColor:
      return SDL_BLENDFACTOR_SRC_COLOR;
    case BlendFactor::InvSrcColor:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case BlendFactor::SrcAlpha:
      return SDL_BLENDFACTOR_SRC_ALPHA;
    case BlendFactor::InvSrcAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case BlendFactor::DestColor:
      return SDL_BLENDFACTOR_DST_COLOR;
    case BlendFactor::InvDestColor:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
  }
  return SDL_BLENDFACTOR_ONE;
}

const char* FactorName(BlendFactor f) {
  static const char* const kNames[kFactorCount] = {"zero",         "one",          "src colour",
                                                   "1-src colour", "src alpha",    "1-src alpha",
                                                   "dest colour",  "1-dest colour"};
  return kNames[static_cast<int>(f)];
}

// SDL's built-in mode nearest in effect to a factor pair, for renderers (software) that
// cannot compose their own: anything adding to the destination is "add", anything that
// only scales the destination by the source colour is "mod", the rest blends by alpha,
// except a pair that ignores the destination, which replaces it.
SDL_BlendMode NearestBuiltIn(BlendFactor source, BlendFactor destination) {
  if (destination == BlendFactor::One) return SDL_BLENDMODE_ADD;
  if (source == BlendFactor::Zero || source == BlendFactor::DestColor) return SDL_BLENDMODE_MOD;
  if (destination == BlendFactor::Zero) return SDL_BLENDMODE_NONE;
  return SDL_BLENDMODE_BLEND;
}

bool ExactlyBuiltIn(BlendFactor source, BlendFactor destination) {
  return (source == BlendFactor::SrcAlpha && destination == BlendFactor::InvSrcAlpha) ||
         (source == BlendFactor::SrcAlpha && destination == BlendFactor::One) ||
         (source == BlendFactor::Zero && destination == BlendFactor::SrcColor);
}

const char* BuiltInName(SDL_BlendMode mode) {
  switch (mode) {
    case SDL_BLENDMODE_ADD:
      return "add";
    case SDL_BLENDMODE_MOD:
      return "modulate";
    case SDL_BLENDMODE_NONE:
      return "replace";
    default:
      return "alpha blend";
  }
}

// The OpenGL driver's own name for the renderer whose context is current ("" when unknown).
std::string CurrentGlRenderer() {
  using GetString = const unsigned char* (*)(unsigned int);
  constexpr unsigned int kGlRenderer = 0x1F01;
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
  return name ? reinterpret_cast<const char*>(name) : "";
}

bool Near(float a, float b) {
  return std::fabs(a - b) < 1.0f / 256.0f;
}

bool OnWholeStep(float value) {
  return Near(value, std::round(value));
}

}  // namespace

bool IsWholePixelCopy(const QuadVertex v[4], const DeviceTexture& texture) {
  const float w = static_cast<float>(texture.Width());
  const float h = static_cast<float>(texture.Height());
  // Vertices in order round an upright rectangle, u along its top edge, v down its side.
  const bool upright = Near(v[0].Y, v[1].Y) && Near(v[1].X, v[2].X) && Near(v[2].Y, v[3].Y) &&
                       Near(v[3].X, v[0].X) && Near(v[0].V, v[1].V) && Near(v[1].U, v[2].U) &&
                       Near(v[2].V, v[3].V) && Near(v[3].U, v[0].U);
  if (!upright) return false;
  // One texel a pixel, either way round (mirrored copies are copies too).
  const bool unscaled = Near(std::fabs(v[1].X - v[0].X), std::fabs(v[1].U - v[0].U) * w) &&
                        Near(std::fabs(v[3].Y - v[0].Y), std::fabs(v[3].V - v[0].V) * h);
  // Edges on pixel edges (centres are whole, so edges are halves) and on texel edges.
  return unscaled && OnWholeStep(v[0].X + 0.5f) && OnWholeStep(v[0].Y + 0.5f) &&
         OnWholeStep(v[0].U * w) && OnWholeStep(v[0].V * h);
}

namespace {

bool AllOpaque(const uint8_t* rgba, int width, int height) {
  const size_t count = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < count; ++i) {
    if (rgba[i * 4 + 3] != 255) return false;
  }
  return true;
}

}  // namespace

DeviceTexture::DeviceTexture(RenderDevice* device, SDL_Texture* texture, int width, int height)
    : device_(device), texture_(texture), width_(width), height_(height) {}

DeviceTexture::~DeviceTexture() {
  if (device_) device_->Forget(this);
  if (texture_) SDL_DestroyTexture(texture_);
}

bool DeviceTexture::Update(const uint8_t* rgba) {
  opaque_ = AllOpaque(rgba, width_, height_);
  return SDL_UpdateTexture(texture_, nullptr, rgba, width_ * 4) == 0;
}

std::unique_ptr<RenderDevice> RenderDevice::Create(Window& window, const std::string& driver,
                                                   int logicalWidth, int logicalHeight,
                                                   std::string* error) {
  const bool automatic = driver.empty();
  const std::vector<std::string> tries =
      automatic ? std::vector<std::string>{"opengl", "software"} : std::vector<std::string>{driver};
  std::string reasons;
  for (const std::string& name : tries) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, name.c_str());
    // The software renderer's picture is shown through the window system's shared memory
    // (XShm), not through a GL texture: that would pay for a GL driver to show it.
    if (name == "software") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const Uint32 flags = name == "software" ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
    SDL_Renderer* renderer = SDL_CreateRenderer(window.Handle(), -1, flags);
    SDL_RendererInfo info{};
    if (renderer == nullptr) {
      reasons += name + ": " + SDL_GetError() + "; ";
      continue;
    }
    const std::string glRenderer = name == "opengl" ? CurrentGlRenderer() : "";
    if (SDL_GetRendererInfo(renderer, &info) != 0 || name != info.name) {
      reasons += name + ": got " + info.name + " instead; ";
    } else if (automatic && IsCpuRasteriser(glRenderer)) {
      reasons += name + ": " + glRenderer + " rasterises on the processor; ";
    } else if (SDL_Texture* picture = CreatePicture(renderer, logicalWidth, logicalHeight)) {
      std::unique_ptr<RenderDevice> device(
          new RenderDevice(window, renderer, picture, logicalWidth, logicalHeight));
      device->glRenderer_ = glRenderer;
      return device;
    } else {
      reasons += name + ": cannot draw into a picture: " + SDL_GetError() + "; ";
    }
    SDL_DestroyRenderer(renderer);
  }
  if (error) *error = reasons;
  return nullptr;
}

SDL_Texture* RenderDevice::CreatePicture(SDL_Renderer* renderer, int width, int height) {
  // No alpha channel: the picture is opaque, as a window's back buffer is.
  SDL_Texture* picture =
      SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, width, height);
  if (picture == nullptr) return nullptr;
  if (SDL_SetRenderTarget(renderer, picture) != 0) {
    SDL_DestroyTexture(picture);
    return nullptr;
  }
  SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  return picture;
}

RenderDevice::RenderDevice(Window& window, SDL_Renderer* renderer, SDL_Texture* picture,
                           int logicalWidth, int logicalHeight)
    : window_(window),
      renderer_(renderer),
      picture_(picture),
      logicalWidth_(logicalWidth),
      logicalHeight_(logicalHeight),
      blendCache_(kFactorCount * kFactorCount, -1) {
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  driverName_ = info.name;
  pixelCentreShift_ = PixelCentreShift(driverName_);
  window_.SetPictureSize(logicalWidth_, logicalHeight_);
  SDL_AddEventWatch(&RenderDevice::OnSdlEvent, this);
}

RenderDevice::~RenderDevice() {
  SDL_DelEventWatch(&RenderDevice::OnSdlEvent, this);
  // The renderer takes its textures with it; what still holds one keeps an empty shell.
  for (DeviceTexture* texture : textures_) {
    texture->device_ = nullptr;
    texture->texture_ = nullptr;
  }
  SDL_DestroyTexture(picture_);
  SDL_DestroyRenderer(renderer_);
}

void RenderDevice::Forget(const DeviceTexture* texture) {
  if (std::any_of(frame_.begin(), frame_.end(),
                  [texture](const PendingQuad& quad) { return quad.Texture == texture; })) {
    Flush();
  }
  if (texture_ == texture) texture_ = nullptr;
  textures_.erase(std::remove(textures_.begin(), textures_.end(), texture), textures_.end());
}

int RenderDevice::OnSdlEvent(void* self, SDL_Event* event) {
  auto* device = static_cast<RenderDevice*>(self);
  switch (event->type) {
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      device->state_ = DeviceState::NeedsReset;
      break;
    case SDL_WINDOWEVENT:
      if (event->window.windowID != SDL_GetWindowID(device->window_.Handle())) break;
      if (event->window.event == SDL_WINDOWEVENT_MINIMIZED && device->window_.FullScreen()) {
        device->state_ = DeviceState::Lost;
      } else if (event->window.event == SDL_WINDOWEVENT_RESTORED &&
                 device->state_ == DeviceState::Lost) {
        device->state_ = DeviceState::NeedsReset;
      }
      break;
    default:
      break;
  }
  return 0;
}

bool RenderDevice::Reset() {
  if (state_ == DeviceState::Lost) return false;
  frame_.clear();
  texture_ = nullptr;
  // A device reset takes every texture with it, the picture as well.
  RemakePicture();
  state_ = DeviceState::Ok;
  return true;
}

void RenderDevice::RemakePicture() {
  SDL_SetRenderTarget(renderer_, nullptr);
  SDL_DestroyTexture(picture_);
  picture_ = CreatePicture(renderer_, logicalWidth_, logicalHeight_);
  if (picture_ == nullptr) {
    std::fprintf(stderr, "render device: cannot make a %dx%d picture: %s\n", logicalWidth_,
                 logicalHeight_, SDL_GetError());
    state_ = DeviceState::NeedsReset;
  }
  window_.SetPictureSize(logicalWidth_, logicalHeight_);
}

void RenderDevice::SetLogicalSize(int width, int height) {
  Flush();
  if (width == logicalWidth_ && height == logicalHeight_ && picture_ != nullptr) return;
  logicalWidth_ = width;
  logicalHeight_ = height;
  RemakePicture();
}

void RenderDevice::SetVSync(bool on) {
  SDL_RenderSetVSync(renderer_, on ? 1 : 0);
}

int RenderDevice::MaxTextureSize() const {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer_, &info) != 0 || info.max_texture_width <= 0) return 16384;
  return std::min(info.max_texture_width,
                  info.max_texture_height > 0 ? info.max_texture_height : info.max_texture_width);
}

std::unique_ptr<DeviceTexture> RenderDevice::CreateTexture(int width, int height,
                                                           const uint8_t* rgba) {
  SDL_Texture* sdl = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888,
                                       SDL_TEXTUREACCESS_STATIC, width, height);
  if (sdl == nullptr) {
    std::fprintf(stderr, "render device: cannot create a %dx%d texture: %s\n", width, height,
                 SDL_GetError());
    return nullptr;
  }
  SDL_SetTextureScaleMode(sdl, SDL_ScaleModeNearest);
  ++texturesCreated_;
  std::unique_ptr<DeviceTexture> texture(new DeviceTexture(this, sdl, width, height));
  textures_.push_back(texture.get());
  if (!texture->Update(rgba)) {
    std::fprintf(stderr, "render device: cannot fill a texture: %s\n", SDL_GetError());
    return nullptr;
  }
  return texture;
}

void RenderDevice::SetTexture(const DeviceTexture* texture) {
  texture_ = texture;
}

void RenderDevice::SetBlend(BlendFactor source, BlendFactor destination) {
  source_ = source;
  destination_ = destination;
}

void RenderDevice::SetDestinationBlend(BlendFactor destination) {
  destination_ = destination;
}

int RenderDevice::SdlBlendFor(BlendFactor source, BlendFactor destination, bool opaqueQuad) {
  // Blending a wholly opaque quad by its alpha is a copy: let SDL skip the blend.
  if (opaqueQuad && source == BlendFactor::SrcAlpha && destination == BlendFactor::InvSrcAlpha) {
    return SDL_BLENDMODE_NONE;
  }
  const int key = static_cast<int>(source) * kFactorCount + static_cast<int>(destination);
  if (blendCache_[key] >= 0) return blendCache_[key];
  // The alpha channel takes the same factors as the colours, as a single-blend-state
  // device does.
  const SDL_BlendMode composed =
      SDL_ComposeCustomBlendMode(SdlFactor(source), SdlFactor(destination), SDL_BLENDOPERATION_ADD,
                                 SdlFactor(source), SdlFactor(destination), SDL_BLENDOPERATION_ADD);
  // Pairs whose colour equation is one of SDL's built-in modes use it: every renderer
  // draws those, and fast.
  SDL_BlendMode chosen = composed;
  const SDL_BlendMode builtIn = NearestBuiltIn(source, destination);
  if (ExactlyBuiltIn(source, destination)) {
    chosen = builtIn;
  } else {
    SDL_Texture* probe =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
    const bool supported = probe != nullptr && SDL_SetTextureBlendMode(probe, composed) == 0;
    SDL_DestroyTexture(probe);
    if (!supported) {
      chosen = builtIn;
      // Said once: the answer is cached below.
      std::fprintf(stderr, "render device (%s): cannot blend %s / %s; drawing with %s instead\n",
                   driverName_.c_str(), FactorName(source), FactorName(destination),
                   BuiltInName(builtIn));
    }
  }
  blendCache_[key] = static_cast<int>(chosen);
  return blendCache_[key];
}

void RenderDevice::ApplyTextureState(DeviceTexture* texture, int blend, bool linear) {
  if (texture->linear_ != linear) {
    texture->linear_ = linear;
    SDL_SetTextureScaleMode(texture->texture_, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  }
  if (texture->blendSet_ != blend) {
    texture->blendSet_ = blend;
    SDL_SetTextureBlendMode(texture->texture_, static_cast<SDL_BlendMode>(blend));
  }
}

namespace {

bool SameState(const PendingQuad& a, const PendingQuad& b) {
  return a.Texture == b.Texture && a.Blend == b.Blend && a.Linear == b.Linear &&
         a.Clipped == b.Clipped && (!a.Clipped || a.Clip == b.Clip);
}

}  // namespace

void RenderDevice::Flush() {
  if (frame_.empty()) return;
  if (leaveOutHidden_) quadsHidden_ += LeaveOutHiddenQuads(frame_);
  const PendingQuad* first = frame_.data();
  const PendingQuad* end = frame_.data() + frame_.size();
  while (first != end) {
    const PendingQuad* last = first + 1;
    while (last != end && SameState(*first, *last)) ++last;
    DrawBatch(first, last);
    first = last;
  }
  frame_.clear();
}

void RenderDevice::DrawBatch(const PendingQuad* first, const PendingQuad* last) {
  batchXY_.clear();
  batchUV_.clear();
  batchColor_.clear();
  batchIndices_.clear();
  for (const PendingQuad* quad = first; quad != last; ++quad) {
    const int base = static_cast<int>(batchXY_.size() / 2);
    for (const QuadVertex& v : quad->Vertices) {
      batchXY_.push_back(v.X + pixelCentreShift_);
      batchXY_.push_back(v.Y + pixelCentreShift_);
      batchUV_.push_back(v.U);
      batchUV_.push_back(v.V);
      const uint32_t c = v.Color;
      const uint8_t rgba[4] = {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                               static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 24)};
      uint32_t packed = 0;
      std::memcpy(&packed, rgba, sizeof packed);
      batchColor_.push_back(packed);
    }
    const int fan[6] = {base, base + 1, base + 2, base, base + 2, base + 3};
    batchIndices_.insert(batchIndices_.end(), fan, fan + 6);
  }
  auto* texture = const_cast<DeviceTexture*>(first->Texture);
  if (texture) {
    ApplyTextureState(texture, first->Blend, first->Linear);
  } else {
    SDL_SetRenderDrawBlendMode(renderer_, static_cast<SDL_BlendMode>(first->Blend));
  }
  if (first->Clipped) {
    const SDL_Rect clip{first->Clip.Left, first->Clip.Top, first->Clip.Right - first->Clip.Left,
                        first->Clip.Bottom - first->Clip.Top};
    SDL_RenderSetClipRect(renderer_, &clip);
  }
  const int vertexCount = static_cast<int>(batchXY_.size() / 2);
  SDL_RenderGeometryRaw(renderer_, texture ? texture->texture_ : nullptr, batchXY_.data(),
                        2 * sizeof(float), reinterpret_cast<const SDL_Color*>(batchColor_.data()),
                        sizeof(uint32_t), texture ? batchUV_.data() : nullptr, 2 * sizeof(float),
                        vertexCount, batchIndices_.data(), static_cast<int>(batchIndices_.size()),
                        sizeof(int));
  if (first->Clipped) SDL_RenderSetClipRect(renderer_, nullptr);
  ++drawCalls_;
}

void RenderDevice::DrawQuad(const QuadVertex v[4]) {
  ++quadsSubmitted_;
  if (!rasterize_) return;
  float minX = v[0].X, maxX = v[0].X, minY = v[0].Y, maxY = v[0].Y;
  // An opaque picture drawn at an alpha of 254 or more is drawn without blending: the
  // destination would add at most 1/255 of itself, one level. (The screen's global colour
  // turns full white into 254.)
  const uint32_t opaqueAlpha = texture_ != nullptr && texture_->Opaque() ? 0xFE : 0xFF;
  bool opaqueColours = true;
  for (int i = 0; i < 4; ++i) {
    minX = std::min(minX, v[i].X);
    maxX = std::max(maxX, v[i].X);
    minY = std::min(minY, v[i].Y);
    maxY = std::max(maxY, v[i].Y);
    opaqueColours = opaqueColours && (v[i].Color >> 24) >= opaqueAlpha;
  }
  if (maxX < -0.5f || maxY < -0.5f || minX >= logicalWidth_ - 0.5f ||
      minY >= logicalHeight_ - 0.5f) {
    return;
  }
  const bool opaqueQuad = opaqueColours && (texture_ == nullptr || texture_->Opaque());
  PendingQuad quad;
  std::copy(v, v + 4, quad.Vertices);
  quad.Texture = texture_;
  quad.Blend = SdlBlendFor(source_, destination_, opaqueQuad);
  quad.Replaces = quad.Blend == SDL_BLENDMODE_NONE;
  // Linear filtering samples texel centres exactly on a whole-pixel copy: nearest gives the
  // same pixels for less work.
  quad.Linear = linearFilter_ && !(texture_ && IsWholePixelCopy(v, *texture_));
  frame_.push_back(quad);
}

void RenderDevice::Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  Flush();
  if (!rasterize_) return;
  SDL_SetRenderDrawColor(renderer_, red, green, blue, alpha);
  SDL_RenderClear(renderer_);
}

PixelImage RenderDevice::ReadPixels() {
  Flush();
  PixelImage image;
  image.Width = logicalWidth_;
  image.Height = logicalHeight_;
  image.Rgba.resize(static_cast<size_t>(image.Width) * image.Height * 4);
  SDL_Rect rect{0, 0, image.Width, image.Height};
  SDL_RenderReadPixels(renderer_, &rect, SDL_PIXELFORMAT_ABGR8888, image.Rgba.data(),
                       image.Width * 4);
  return image;
}

void RenderDevice::Present() {
  Flush();
  if (!rasterize_ || picture_ == nullptr) return;
  if (keepPresented_) lastPresented_ = ReadPixels();
  SDL_SetRenderTarget(renderer_, nullptr);
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  const PictureFit fit = FitPicture(width, height, logicalWidth_, logicalHeight_);
  SDL_SetTextureScaleMode(picture_, fit.WholeMultiple ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect place{fit.X, fit.Y, fit.Width, fit.Height};
  SDL_RenderCopy(renderer_, picture_, nullptr, &place);
  SDL_RenderPresent(renderer_);
  SDL_SetRenderTarget(renderer_, picture_);
}
