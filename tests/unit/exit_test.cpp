// The real end of the process, run in a child program (it cannot be done in this one).
#include <gtest/gtest.h>

#include <string>

#include "support/native_paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string ProbePath() {
#ifdef _WIN32
  return talvo::testing::SiblingPath("talvo_exit_probe.exe");
#else
  return talvo::testing::SiblingPath("talvo_exit_probe");
#endif
}

// Runs the probe and returns its exit code, or -1000 when it could not be run.
int RunProbe() {
#ifdef _WIN32
  std::string command = "\"" + ProbePath() + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1000;
  WaitForSingleObject(pi.hProcess, 600000);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
#else
  const std::string path = ProbePath();
  const pid_t child = fork();
  if (child == 0) {
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return -1000;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -2000 - WTERMSIG(status);
#endif
}

TEST(ExitProgram, EndsWithItsCodeWhileThreadsAreStillBusy) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(RunProbe(), 7) << "run " << i;
}

}  // namespace
