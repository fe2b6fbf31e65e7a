#pragma once
#include <string>

// A modal message box with an OK button. Title and text are Windows-1251 bytes; the text is
// fitted to the screen (FitMessageText) wherever it is shown. The text is
// always printed to stderr too; with no real display (headless video driver, or no video at
// all) stderr is the only place it goes and the call returns at once.
void ShowMessageBox(const std::string& title, const std::string& text);
