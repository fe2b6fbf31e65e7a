#pragma once

class TForm1;

// The menus' moving background: the three lamps, the demo race and the greeting marquee.
// Made when the splash screen ends and on every return from a race to the menus. A demo
// course that cannot be loaded is reported in a message box; the menus then run
// without the demo cars.
void CreateMenuBackground(TForm1& form);
