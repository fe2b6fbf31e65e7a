#include "tools/assetgen/sound/SoundAssets.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/assetgen/sound/Effects.h"
#include "tools/assetgen/sound/RaceEffects.h"
#include "tools/assetgen/sound/Tunes.h"
#include "tools/assetgen/sound/WavWriter.h"
#include "tools/assetgen/sound/XmWriter.h"

namespace {
void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}
}  // namespace

void WriteSoundAssets(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  WriteFile(folder / "Lighter 03.wav", WriteWav(MenuClick(), kEffectRate));
  WriteFile(folder / "Switch 04.wav", WriteWav(KeySwitch(), kEffectRate));
  WriteFile(folder / "Car Start 01.wav", WriteWav(EngineStart(), kEffectRate));
  WriteFile(folder / "finish.wav", WriteWav(FinishFanfare(), kEffectRate));
  WriteFile(folder / "svet1.wav", WriteWav(StartLightBeep(), kEffectRate));
  WriteFile(folder / "svet2.wav", WriteWav(StartGoBeep(), kEffectRate));
  for (int model = 0; model < kEngineModels; ++model) {
    const std::string engine = "engine" + std::to_string(model + 1);
    WriteFile(folder / (engine + ".wav"), WriteWav(EngineIdleLoop(model), kEffectRate));
    WriteFile(folder / (engine + "top.wav"), WriteWav(EngineTopLoop(model), kEffectRate));
  }
  WriteFile(folder / "squeal.wav", WriteWav(TyreSquealLoop(), kEffectRate));
  WriteFile(folder / "grass.wav", WriteWav(GrassRumbleLoop(), kEffectRate));
  WriteFile(folder / "thud.wav", WriteWav(ImpactThud(), kEffectRate));
  WriteFile(folder / "crunch.wav", WriteWav(ImpactCrunch(), kEffectRate));
  WriteFile(folder / "1.xm", WriteXm(ComposeTune(MenuTune())));
  WriteFile(folder / "2.xm", WriteXm(ComposeTune(RaceTune())));
  WriteFile(folder / "3.xm", WriteXm(ComposeTune(RaceOverTune())));
}
