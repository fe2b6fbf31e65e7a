#pragma once

// The virtual-key code (see base/VirtualKeys.h; Windows numbering) of a key given by its
// SDL scancode, or 0 when the game has no code for it. Scancodes name physical positions,
// so letter and digit keys keep their codes under any keyboard layout, Cyrillic included.
int VirtualKeyFromScancode(int sdlScancode);
