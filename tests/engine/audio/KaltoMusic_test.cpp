#include "engine/audio/KaltoMusic.h"

#include <gtest/gtest.h>

#include "AudioTestSupport.h"

TEST(KaltoMusic, WithoutSongsUpdateDoesNothingAndALoopingSongStartsOverAtItsEnd) {
  UseGeneratedSounds();
  AudioMixer mixer(kTestRate);
  TKaltoMusic music(mixer);
  music.Update();
  EXPECT_FALSE(music.Play("none"));

  music.SongList.push_back(TSongListItem{"beep", "Sounds\\svet1.wav", true, nullptr, false});
  music.SongList.push_back(TSongListItem{"once", "Sounds\\svet2.wav", false, nullptr, false});
  ASSERT_TRUE(music.Play("beep"));
  ASSERT_TRUE(music.Play("once"));
  std::vector<float> block(2 * kTestRate);
  mixer.Mix(block.data(), kTestRate);  // past the end of both
  EXPECT_FALSE(mixer.IsSounding(music.SongList[0].Clip.get()));
  music.Update();
  EXPECT_TRUE(mixer.IsSounding(music.SongList[0].Clip.get()));
  EXPECT_FALSE(mixer.IsSounding(music.SongList[1].Clip.get()));
}
