#include "engine/graphics/KaltoScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/BmpCodec.h"
#include "platform/FatalError.h"
#include "platform/Window.h"

const char* const TKaltoScreen::kNoGraphicsText =
    "Could not initialize Direct3D. You may\nwant to check that the latest version of\n"
    "DirectX is correctly installed on your\nsystem.  Also make sure that this program\n"
    "was compiled with header files that match\nthe installed DirectX DLLs.";
const char* const TKaltoScreen::kNoDeviceText = "Could not find any compatible Direct3D\ndevices.";

namespace {

constexpr uint32_t kRefreshRates[] = {56,  60,  70,  72,  75,  85,  90,  100,
                                      120, 140, 144, 150, 160, 170, 200, 240};

struct SizeMode {
  int Width;
  int Height;
};
constexpr SizeMode kStandardSizes[] = {{800, 600}, {640, 400}, {640, 480},  {1024, 768},
                                       {320, 200}, {320, 240}, {1280, 1024}};

struct BlendPair {
  BlendFactor Source;
  BlendFactor Destination;
};
constexpr BlendPair kBlendModes[] = {
    {BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha},       // 0
    {BlendFactor::One, BlendFactor::One},                    // 1
    {BlendFactor::SrcAlpha, BlendFactor::One},               // 2
    {BlendFactor::SrcColor, BlendFactor::InvSrcColor},       // 3
    {BlendFactor::SrcColor, BlendFactor::One},               // 4
    {BlendFactor::Zero, BlendFactor::SrcColor},              // 5
    {BlendFactor::Zero, BlendFactor::SrcAlpha},              // 6
    {BlendFactor::Zero, BlendFactor::InvSrcColor},           // 7
    {BlendFactor::Zero, BlendFactor::InvSrcAlpha},           // 8
    {BlendFactor::InvDestColor, BlendFactor::Zero},          // 9
    {BlendFactor::SrcColor, BlendFactor::SrcColor},          // 10
    {BlendFactor::DestColor, BlendFactor::DestColor},        // 11
    {BlendFactor::InvSrcColor, BlendFactor::InvSrcColor},    // 12
    {BlendFactor::InvDestColor, BlendFactor::InvDestColor},  // 13
};

// Numbers outside the table blend by source alpha.
BlendPair BlendPairFor(int mode) {
  const bool known = mode >= 0 && mode < static_cast<int>(std::size(kBlendModes));
  return known ? kBlendModes[mode] : kBlendModes[0];
}

uint32_t ScaleChannel(uint32_t colour, uint32_t global, int shift) {
  return ((((colour >> shift) & 0xFF) * ((global >> shift) & 0xFF)) >> 8) << shift;
}

}  // namespace

TKaltoScreen::TKaltoScreen(Window* owner) : window_(owner) {
  if (!video_.Started()) Fatal(kNoGraphicsText);
}

TKaltoScreen::~TKaltoScreen() {
  ShowMouseCursor = true;
  ApplyCursor();
  Finalize();
  if (OnDestroy) OnDestroy();
  if (window_) window_->SetFullScreen(false);
}

void TKaltoScreen::SetBpp(int32_t value) {
  bpp_ = value == 32 ? 32 : 16;
}

void TKaltoScreen::SetFrequency(uint32_t value) {
  const bool known = std::find(std::begin(kRefreshRates), std::end(kRefreshRates), value) !=
                     std::end(kRefreshRates);
  frequency_ = known ? value : 0;
}

void TKaltoScreen::SetRed(uint8_t value) {
  color_ = (color_ & 0xFF00FFFFu) | (uint32_t{value} << 16);
}
void TKaltoScreen::SetGreen(uint8_t value) {
  color_ = (color_ & 0xFFFF00FFu) | (uint32_t{value} << 8);
}
void TKaltoScreen::SetBlue(uint8_t value) {
  color_ = (color_ & 0xFFFFFF00u) | value;
}
void TKaltoScreen::SetAlpha(uint8_t value) {
  color_ = (color_ & 0x00FFFFFFu) | (uint32_t{value} << 24);
}
void TKaltoScreen::SetColor(uint32_t argb) {
  color_ = argb;
}

void TKaltoScreen::SetWindowHandle(Window* window) {
  previousWindow_ = window_;
  window_ = window;
}

void TKaltoScreen::ApplyCursor() const {
  if (window_) window_->ShowCursor(ShowMouseCursor);
}

[[noreturn]] void TKaltoScreen::Fatal(const char* text) {
  ExitOnFatalError({text, "This application will now exit."});
}

void TKaltoScreen::ChooseBackBuffer() {
  const bool standard =
      std::any_of(std::begin(kStandardSizes), std::end(kStandardSizes),
                  [this](const SizeMode& m) { return m.Width == Width && m.Height == Height; });
  if (FullScreen && !standard) {
    std::fputc('\a', stderr);  // the beep of the unsupported size
    backBufferWidth_ = 800;
    backBufferHeight_ = 600;
  } else {
    backBufferWidth_ = Width;
    backBufferHeight_ = Height;
  }
  if (FullScreen && BBCount <= 0) BBCount = 1;
}

bool TKaltoScreen::ApplyWindowMode() {
  if (!window_->SetFullScreen(FullScreen)) return false;
  device_->SetLogicalSize(backBufferWidth_, backBufferHeight_);
  device_->SetVSync(FullScreen && VSYNC);
  return true;
}

void TKaltoScreen::Initialize() {
  if (!video_.Started() || window_ == nullptr) Fatal(kNoGraphicsText);
  device_.reset();
  ChooseBackBuffer();
  std::string error;
  const bool hardware = RenderMode == rmHardware;
  const char* driver = hardware ? "opengl" : RenderMode == rmAutomatic ? "" : "software";
  device_ = RenderDevice::Create(*window_, driver, backBufferWidth_, backBufferHeight_, &error);
  if (!device_ && hardware) {
    RenderMode = rmSoftware;
    device_ =
        RenderDevice::Create(*window_, "software", backBufferWidth_, backBufferHeight_, &error);
  }
  if (!device_) {
    std::fprintf(stderr, "render device: %s\n", error.c_str());
    Fatal(kNoDeviceText);
  }
  initialized_ = true;
  active_ = true;
  ApplyWindowMode();
  device_->SetBlend(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
  device_->SetTextureFilter(false);
  textureFilter_ = false;
  RestoreDeviceResources();
  if (OnInit) OnInit();
  ApplyCursor();
}

void TKaltoScreen::Finalize() {
  if (device_) {
    ReleaseDeviceResources();
    if (OnUnInit) OnUnInit();
    device_.reset();
  }
  initialized_ = false;
  active_ = false;
  inScene_ = false;
}

int TKaltoScreen::ResetDevice() {
  if (!device_) return 1;
  ReleaseDeviceResources();
  if (OnUnInit) OnUnInit();
  device_->SetTexture(nullptr);
  ChooseBackBuffer();
  if (!ApplyWindowMode()) return -1;
  if (!device_->Reset()) return -1;
  ApplyCursor();
  // The device's states come back as the screen left them.
  const BlendPair pair = BlendPairFor(blendMode_);
  device_->SetBlend(pair.Source, pair.Destination);
  device_->SetTextureFilter(textureFilter_);
  RestoreDeviceResources();
  if (OnInit) OnInit();
  return 0;
}

void TKaltoScreen::ToggleFullScreen() {
  active_ = false;
  FullScreen = !FullScreen;
  ResetDevice();
  SetWindowHandle(previousWindow_ ? previousWindow_ : window_);
  initialized_ = true;
  active_ = true;
}

void TKaltoScreen::Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  if (device_) device_->Clear(red, green, blue, alpha);
}

void TKaltoScreen::BeginScene() {
  if (!device_) return;
  switch (device_->TestCooperativeLevel()) {
    case DeviceState::Lost:
      return;
    case DeviceState::NeedsReset:
      ResetDevice();
      return;
    case DeviceState::Ok:
      break;
  }
  if (initialized_ && active_) inScene_ = true;
}

void TKaltoScreen::EndScene() {
  if (!inScene_) return;
  inScene_ = false;
  if (screenshotPending_) WriteScreenshot();
  device_->Present();
}

void TKaltoScreen::SetBlendMode(int mode) {
  if (mode == -1 || mode == blendMode_) return;
  const BlendPair pair = BlendPairFor(mode);
  if (device_) device_->SetBlend(pair.Source, pair.Destination);
  blendMode_ = mode;
}

void TKaltoScreen::SetTextureFilter(bool linear) {
  textureFilter_ = linear;
  if (device_) device_->SetTextureFilter(linear);
}

void TKaltoScreen::SubmitQuad(QuadVertex* vertices, int count) const {
  const double r = static_cast<double>(Rotation) * M_PI / 180.0;
  const double cosR = std::cos(r);
  const double sinR = std::sin(r);
  for (int i = 0; i < count; ++i) {
    QuadVertex& v = vertices[i];
    v.Color = ScaleChannel(v.Color, color_, 24) | ScaleChannel(v.Color, color_, 16) |
              ScaleChannel(v.Color, color_, 8) | ScaleChannel(v.Color, color_, 0);
    const double dx = static_cast<double>(v.X) - CenterX;
    const double dy = static_cast<double>(v.Y) - CenterY;
    v.X = static_cast<float>(OffsetX + CenterX + cosR * ScaleX * dx - sinR * ScaleY * dy);
    v.Y = static_cast<float>(OffsetY + CenterY + sinR * ScaleX * dx + cosR * ScaleY * dy);
  }
}

void TKaltoScreen::SaveScreenshot(const std::string& fileName) {
  screenshotFile_ = fileName;
  screenshotPending_ = true;
}

void TKaltoScreen::WriteScreenshot() {
  screenshotPending_ = false;
  SaveBmp(device_->ReadPixels(), screenshotFile_);
}

void TKaltoScreen::RegisterResourceOwner(DeviceResourceOwner* owner) {
  if (std::find(owners_.begin(), owners_.end(), owner) == owners_.end()) owners_.push_back(owner);
}

void TKaltoScreen::UnregisterResourceOwner(DeviceResourceOwner* owner) {
  owners_.erase(std::remove(owners_.begin(), owners_.end(), owner), owners_.end());
}

void TKaltoScreen::RestoreDeviceResources() {
  using Kind = DeviceResourceOwner::Kind;
  device_->SetTexture(nullptr);
  const std::vector<DeviceResourceOwner*> owners = owners_;
  for (DeviceResourceOwner* o : owners) {
    if (o->DeviceResourceKind() == Kind::ImageList) o->RestoreDeviceResources();
  }
  for (DeviceResourceOwner* o : owners) {
    if (o->DeviceResourceKind() != Kind::ImageList) o->RestoreDeviceResources();
  }
}

void TKaltoScreen::ReleaseDeviceResources() {
  using Kind = DeviceResourceOwner::Kind;
  const std::vector<DeviceResourceOwner*> owners = owners_;
  for (DeviceResourceOwner* o : owners) {
    if (o->DeviceResourceKind() == Kind::BitmapFont) o->ReleaseDeviceResources();
  }
  for (DeviceResourceOwner* o : owners) {
    if (o->DeviceResourceKind() != Kind::BitmapFont) o->ReleaseDeviceResources();
  }
}
