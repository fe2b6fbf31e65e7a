#pragma once
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A program of the build (or of the system) run as a separate process for a test. It is
// stopped (SIGTERM, then SIGKILL) and reaped when the object goes, so a failed assertion
// leaves nothing running behind the test.
class ChildProcess {
 public:
  // Starts args[0] (searched in PATH when it has no slash) in `folder`; its standard output
  // goes to `output` when given.
  ChildProcess(const std::filesystem::path& folder, const std::vector<std::string>& args,
               const std::filesystem::path& output = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  // The wait status once the process has ended, waiting at most `limit`; nothing while it
  // still runs.
  std::optional<int> WaitExit(std::chrono::milliseconds limit);
  // SIGTERM, then SIGKILL when it has not ended within `grace`; the wait status.
  int Stop(std::chrono::milliseconds grace = std::chrono::seconds(5));

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};
