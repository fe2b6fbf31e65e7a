#pragma once

class TForm1;

// The sound rules of every screen: an effect plays only while the sound option is on, and a
// music change stops the old module and starts the new one only while the music option is on.
void PlayEffect(TForm1& form, const char* effect);
void SwitchMusic(TForm1& form, const char* stopModule, const char* playModule);
