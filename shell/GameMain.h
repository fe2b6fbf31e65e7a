#pragma once
#include <functional>

class TForm1;

// Runs the game until its window closes: the roots resolved from the process, the real
// clock, a seed taken from it. `prepare` sees the form before it shows (test programs
// install their hooks there). Exit code 0 after a normal exit; 1 when the game cannot start
// or stops on an error, which is shown in a message box.
int RunGame(const std::function<void(TForm1&)>& prepare = {});
