#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/DeviceResourceOwner.h"
#include "platform/RenderDevice.h"
#include "platform/VideoSystem.h"

class Window;

enum TPoolType { plManaged, plDefault };
enum TRenderMode { rmHardware, rmReference, rmSoftware, rmAutomatic };

// The screen: owns the render device on the main window and frames every picture.
// Everything drawn passes through SubmitQuad, which applies the global transform (scale and
// rotation about CenterX/CenterY, then the offset) and the global colour.
//
// Usage by the game: construct, set the properties, SetWindowHandle if not the owner,
// Initialize; each frame Clear, BeginScene, draw, EndScene.
class TKaltoScreen {
 public:
  // The owner window is the window drawn into. Holds the video subsystem for the screen's
  // lifetime; when it cannot start, the fatal error below ends the program.
  explicit TKaltoScreen(Window* owner);
  ~TKaltoScreen();
  TKaltoScreen(const TKaltoScreen&) = delete;
  TKaltoScreen& operator=(const TKaltoScreen&) = delete;

  // Plain properties (read at Initialize/ResetDevice unless said otherwise).
  TPoolType Pool = plManaged;  // kept for the game's settings; the device has one pool
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  int32_t CenterX = 0;
  int32_t CenterY = 0;
  int32_t OffsetX = 0;
  int32_t OffsetY = 0;
  float Rotation = 0.0f;  // degrees, clockwise on screen
  bool ShowMouseCursor = true;
  // rmHardware: the opengl driver, falling back to software (and becoming rmSoftware);
  // rmSoftware and rmReference: the software driver; rmAutomatic: the render device's
  // automatic choice (opengl on a real GPU, otherwise software).
  TRenderMode RenderMode = rmHardware;
  int32_t Width = 800;
  int32_t Height = 600;
  bool ZBuffer = true;  // nothing is drawn with depth; kept for the game's settings
  bool FullScreen = false;
  bool VSYNC = false;  // waits for the retrace in full screen only
  bool BackBufferAccess = false;
  int32_t BBCount = 0;  // raised to 1 when <= 0 as full screen starts

  std::function<void()> OnDestroy;
  std::function<void()> OnInit;    // after the device is made and after each reset
  std::function<void()> OnUnInit;  // before a reset and at finalization

  // Properties with rules.
  int32_t bpp() const { return bpp_; }
  void SetBpp(int32_t value);  // 32 stays 32; anything else becomes 16
  uint32_t Frequency() const { return frequency_; }
  void SetFrequency(uint32_t value);  // a refresh rate the game knows, else 0
  uint8_t Red() const { return static_cast<uint8_t>(color_ >> 16); }
  uint8_t Green() const { return static_cast<uint8_t>(color_ >> 8); }
  uint8_t Blue() const { return static_cast<uint8_t>(color_); }
  uint8_t Alpha() const { return static_cast<uint8_t>(color_ >> 24); }
  uint32_t Color() const { return color_; }  // ARGB
  void SetRed(uint8_t value);
  void SetGreen(uint8_t value);
  void SetBlue(uint8_t value);
  void SetAlpha(uint8_t value);
  void SetColor(uint32_t argb);

  // The live device (null before Initialize and after Finalize).
  RenderDevice* Device() const { return device_.get(); }
  Window* WindowHandle() const { return window_; }
  bool Initialized() const { return initialized_; }
  bool Active() const { return active_; }
  bool InScene() const { return inScene_; }
  int BlendMode() const { return blendMode_; }
  // The size of the picture the device draws (the back buffer).
  int BackBufferWidth() const { return backBufferWidth_; }
  int BackBufferHeight() const { return backBufferHeight_; }

  void SetWindowHandle(Window* window);
  // Makes the device; when no driver works, the fatal error below ends the program.
  void Initialize();
  void Finalize();
  // Re-applies the mode (windowed or full screen) and rebuilds device resources.
  // 0 on success, 1 without a device, -1 when the window refused the mode.
  int ResetDevice();
  void ToggleFullScreen();

  void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
  // Starts a frame; while the device is lost, or when it has just been reset, the frame is
  // skipped (InScene stays false, EndScene does nothing).
  void BeginScene();
  void EndScene();
  // Does nothing for -1 or the current mode; unknown numbers blend by source alpha.
  void SetBlendMode(int mode);
  void SetTextureFilter(bool linear);
  // Applies the global colour and transform to the vertices in place.
  void SubmitQuad(QuadVertex* vertices, int count) const;
  // The next EndScene writes the finished frame to this file as BMP before showing it.
  // Failures are silent.
  void SaveScreenshot(const std::string& fileName);

  void RegisterResourceOwner(DeviceResourceOwner* owner);
  void UnregisterResourceOwner(DeviceResourceOwner* owner);

  // The fatal-error texts.
  static const char* const kNoGraphicsText;
  static const char* const kNoDeviceText;

 private:
  VideoSystemHold video_;  // first made, last gone
  Window* window_;
  Window* previousWindow_ = nullptr;
  std::unique_ptr<RenderDevice> device_;
  uint32_t color_ = 0xFFFFFFFF;
  int32_t bpp_ = 16;
  uint32_t frequency_ = 0;
  int blendMode_ = 0;
  bool textureFilter_ = false;
  bool initialized_ = false;
  bool active_ = false;
  bool inScene_ = false;
  int backBufferWidth_ = 800;
  int backBufferHeight_ = 600;
  bool screenshotPending_ = false;
  std::string screenshotFile_;
  std::vector<DeviceResourceOwner*> owners_;

  void ChooseBackBuffer();
  bool ApplyWindowMode();
  void RestoreDeviceResources();
  void ReleaseDeviceResources();
  void WriteScreenshot();
  void ApplyCursor() const;
  [[noreturn]] static void Fatal(const char* text);
};
