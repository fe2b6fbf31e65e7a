#pragma once

// Something that holds device objects (textures, glyph tables, ...) and must drop and
// rebuild them around a device reset. Image lists, fonts, bitmap fonts and the GUI
// implement it and register with the screen they draw on (in the order they are created,
// which is the order the screen walks them in).
//
// Restore order (after the device is made and after every reset): every ImageList first;
// then, in registration order, every Font, BitmapFont and Gui.
// Release order (before a reset and at finalization): every BitmapFont first; then, in
// registration order, every Font, ImageList and Gui.
class DeviceResourceOwner {
 public:
  enum class Kind { ImageList, Font, BitmapFont, Gui };
  virtual ~DeviceResourceOwner() = default;
  virtual Kind DeviceResourceKind() const = 0;
  virtual void RestoreDeviceResources() = 0;
  virtual void ReleaseDeviceResources() = 0;
};
