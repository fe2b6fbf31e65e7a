// The Linux side; ShellOpenWindows.cpp is the Windows one.
#ifndef _WIN32
#include "platform/ShellOpen.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

void ShellOpen(const std::string& target) {
  // Everything the child needs is prepared before fork: after it only async-signal-safe
  // calls are allowed, since the audio threads may hold locks.
  char program[] = "xdg-open";
  std::string argument = target;
  char* const argv[] = {program, argument.data(), nullptr};

  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    // The grandchild is adopted by init when the child leaves, so no zombie is left behind
    // and the handler outlives the game.
    setsid();
    if (fork() == 0) {
      const int devNull = open("/dev/null", O_RDWR);
      if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
      }
      execvp(program, argv);
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}
#endif
