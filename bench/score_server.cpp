// Eight players submitting scores at once through the game's own client (version request
// and report, each pair on one connection handle) to the score server on loopback, with the
// rate limit lifted: once on SQLite, once on two servers sharing one PostgreSQL (each
// player talks to one of them). Goal: at least 500 pairs per second; goal_ratio >= 1 meets
// it. Afterwards every acknowledged report must be stored exactly once.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "online/ScoreClient.h"
#include "tests/support/TemporaryPostgres.h"
#include "tools/score-server/LoopbackScoreServer.h"
#include "tools/score-server/SqlDatabase.h"

namespace {

constexpr double kGoalPairsPerSecond = 500;

struct Counts {
  std::atomic<int64_t> Submitted{0};
  std::atomic<int> Refusals{0};
};

void VersionAndReportPairs(benchmark::State& state, const std::vector<std::string>& addresses,
                           Counts& counts) {
  HttpClient http;
  const std::string& address =
      addresses[static_cast<size_t>(state.thread_index()) % addresses.size()];
  ScoreClient client(http, address, [&](const std::string&) { ++counts.Refusals; });
  GameState player;
  player.PlayerName = "Bench" + std::to_string(state.thread_index());
  for (auto _ : state) {
    ++player.Score;
    client.SubmitScore(player);
  }
  counts.Submitted += state.iterations();
  state.SetItemsProcessed(state.iterations());
  state.counters["goal_ratio"] =
      benchmark::Counter(state.iterations() / kGoalPairsPerSecond, benchmark::Counter::kIsRate);
}

// Servers on one database, measured under one name.
struct Target {
  Target(std::string name, std::string database, int servers)
      : Name(std::move(name)), Database(std::move(database)) {
    ScoreServerConfig config;
    config.DatabasePath = Database;
    config.RequestsPerMinute = 0;
    config.Log = [](const std::string&) {};
    for (int i = 0; i < servers; ++i) {
      Servers.push_back(std::make_unique<LoopbackScoreServer>(config));
      Addresses.push_back(Servers.back()->Address());
    }
  }

  // False when a report was refused, lost or stored twice.
  bool StoredExactlyOnce() {
    Servers.clear();
    const SqlRow stored = OpenSqlDatabase(Database)
                              ->Borrow()
                              ->Run("SELECT COUNT(*), COUNT(DISTINCT token) FROM reports")
                              .at(0);
    const int64_t acknowledged = Tally.Submitted - Tally.Refusals;
    std::cout << Name << ": " << stored[0] << " reports stored, " << stored[1] << " distinct, of "
              << acknowledged << " acknowledged (" << Tally.Refusals << " refused)\n";
    return Tally.Refusals == 0 && std::stoll(stored[0]) == acknowledged && stored[0] == stored[1];
  }

  std::string Name;
  std::string Database;
  std::vector<std::unique_ptr<LoopbackScoreServer>> Servers;
  std::vector<std::string> Addresses;
  Counts Tally;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::string file = (std::filesystem::temp_directory_path() /
                            ("bk-bench-" + std::to_string(getpid()) + ".sqlite"))
                               .string();
  std::vector<std::unique_ptr<Target>> targets;
  targets.push_back(std::make_unique<Target>("sqlite", file, 1));
  targets.push_back(std::make_unique<Target>("postgresql-two-servers",
                                             TemporaryPostgres::Shared().NewDatabase(), 2));
  for (auto& target : targets) {
    Target& measured = *target;
    benchmark::RegisterBenchmark(("ScoreServer/VersionAndReportPairs/" + measured.Name).c_str(),
                                 [&measured](benchmark::State& state) {
                                   VersionAndReportPairs(state, measured.Addresses, measured.Tally);
                                 })
        ->Threads(8)
        ->UseRealTime();
  }
  benchmark::RunSpecifiedBenchmarks();
  bool sound = true;
  for (auto& target : targets) sound = target->StoredExactlyOnce() && sound;
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
  return sound ? 0 : 1;
}
