#pragma once

class TForm1;

// The frame bracket of the race screens, which draw from the race pictures: a black
// picture, the scene begun and every sprite drawn (the race stands still unless the screen
// moves it) ...
void BeginRaceFrame(TForm1& form);
// ... and the scene ended.
void EndRaceFrame(TForm1& form);
// The screen's page and then the pointer over it, the pointer moved to follow the mouse.
void DrawPageAndPointer(TForm1& form);
