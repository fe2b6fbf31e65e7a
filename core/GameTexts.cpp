#include "core/GameTexts.h"

#include <cstddef>

#include "base/Windows1251.h"

namespace {

struct Source {
  GameText Name;
  const char* Utf8;
};

// The game's texts, in the order of GameText: what a translation starts from.
constexpr Source kGameTextSources[] = {
    {GameText::Greeting, "Привет, "},
    {GameText::YourScore, "Ваш счет:"},
    {GameText::GameCompleted, "Игра пройдена!!!"},
    {GameText::PointsNeeded, "Необходимо набрать :"},
    {GameText::CarsAvailable, "Машин доступно:"},
    {GameText::TracksAvailable, "Треков доступно:"},
    {GameText::Track, "Трек"},
    {GameText::CarRoadster, "Родстер"},
    {GameText::CarTurbo, "Турбо"},
    {GameText::CarVolcano, "Вулкан"},
    {GameText::CarHawk, "Ястреб"},
    {GameText::CarBeast, "Зверь"},
    {GameText::DifficultyEasy, "Лёгкая"},
    {GameText::DifficultyNormal, "Обычная"},
    {GameText::DifficultyHard, "Трудная"},
    {GameText::OptionsHeading, "ОПЦИИ"},
    {GameText::HelpHeading, "ПОМОЩЬ"},
    {GameText::Loading, "ЗАГРУЗКА..."},
    {GameText::Record, "Рекорд:"},
    {GameText::Length, "Длина:"},
    {GameText::Laps, "Круги:"},
    {GameText::Opponents, "Соперники:"},
    {GameText::Unavailable, "Недоступно"},
    {GameText::Lap, "Круг:"},
    {GameText::Place, "Позиция:"},
    {GameText::Time, "Время:"},
    {GameText::LastLap, "Последний:"},
    {GameText::BestLap, "Лучший:"},
    {GameText::BestLapOnTrack, "Лучший круг:"},
    {GameText::NewTracksAvailable, "Доступны новые треки!"},
    {GameText::NewCarsAvailable, "Доступны новые машины!"},
    {GameText::SendingScore, "Отправка результата..."},
    {GameText::EscapeCancels, "Esc - отмена"},
    {GameText::DefaultRecordName, "Пилот"},
};

constexpr size_t kCount = static_cast<size_t>(GameText::Count);

constexpr size_t Length(const char* text) {
  size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

constexpr bool Same(const char* a, const char* b) {
  size_t i = 0;
  while (a[i] != '\0' && a[i] == b[i]) ++i;
  return a[i] == b[i];
}

// Each name has its line, in the order of the names, and no text is written twice.
constexpr bool WellFormed() {
  if (sizeof kGameTextSources / sizeof kGameTextSources[0] != kCount) return false;
  for (size_t i = 0; i < kCount; ++i) {
    if (kGameTextSources[i].Name != static_cast<GameText>(i)) return false;
    for (size_t j = 0; j < i; ++j) {
      if (Same(kGameTextSources[i].Utf8, kGameTextSources[j].Utf8)) return false;
    }
  }
  return true;
}
static_assert(WellFormed(),
              "kGameTextSources must hold each GameText once, in order, "
              "and no text twice");

// Room for every text's bytes and its terminating NUL (UTF-8 is never shorter).
constexpr size_t PoolSize() {
  size_t size = 0;
  for (const Source& source : kGameTextSources) size += Length(source.Utf8) + 1;
  return size;
}

struct Pool {
  char Bytes[PoolSize()] = {};
  size_t Start[kCount] = {};
};

constexpr Pool Converted() {
  Pool pool;
  size_t at = 0;
  for (size_t i = 0; i < kCount; ++i) {
    pool.Start[i] = at;
    const char* utf8 = kGameTextSources[i].Utf8;
    at = cp1251::AppendConverted(utf8, Length(utf8), pool.Bytes, at);
    pool.Bytes[at++] = '\0';
  }
  return pool;
}

constexpr Pool kPool = Converted();

}  // namespace

const char* TextOf(GameText text) {
  return kPool.Bytes + kPool.Start[static_cast<size_t>(text)];
}

const char* SourceTextOf(GameText text) {
  return kGameTextSources[static_cast<size_t>(text)].Utf8;
}
