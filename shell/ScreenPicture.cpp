#include "shell/ScreenPicture.h"

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/PictureTable.h"

void DrawPicture(const TKaltoImageList& list, const std::string& name, int32_t x, int32_t y,
                 uint8_t alpha) {
  RequirePicture(list, name).DrawRGBA(x, y, 0, 0, 0, 1, 1, 255, 255, 255, alpha, false, -1, 0);
}
