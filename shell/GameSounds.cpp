#include "shell/GameSounds.h"

#include "shell/Unit_pr.h"

void PlayEffect(TForm1& form, const char* effect) {
  if (!form.State.SoundOn) return;
  if (TSoundListItem* sound = form.Sound3D.FindSound(effect)) sound->Play();
}

void SwitchMusic(TForm1& form, const char* stopModule, const char* playModule) {
  if (!form.State.MusicOn) return;
  if (TModListItem* old = form.Sound3D.FindModule(stopModule)) old->Stop();
  if (TModListItem* next = form.Sound3D.FindModule(playModule)) next->Play();
}
