#pragma once
#include <string>

#include "engine/gui/KaltoGUIComponent.h"

// An image button with a caption; Enter or Space pressed while it has the focus clicks it.
class TKaltoButton : public TKaltoGUIComponent {
 public:
  explicit TKaltoButton(TKaltoGUIList& page);

  std::string Caption;  // the decimal Id unless set
  bool CenterCaption = true;
  int32_t CaptionOffsetY = 0;
  int32_t CaptionOffsetX = 0;

  void KeyPress(uint16_t& key, TGUIKeyKind kind) override;
  void Draw() override;
};
