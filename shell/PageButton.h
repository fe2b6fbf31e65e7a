#pragma once
#include <cstdint>

#include "engine/gui/KaltoButton.h"

class TImageListItem;
class TKaltoGUIList;

// A screen's image button: no caption, the picture's first tile when idle and its second
// under the pointer, as large as one tile, at (x, y).
TKaltoButton& AddPageButton(TKaltoGUIList& page, TImageListItem& picture, int32_t x, int32_t y,
                            TGUINotifyEvent onClick);
