// The real end of the process, run in a child program (it cannot be done in this one).
#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

std::string ProbePath() {
#ifdef _WIN32
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self);
  return path.substr(0, path.find_last_of("\\/") + 1) + "talvo_exit_probe.exe";
#else
  char self[PATH_MAX] = {};
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string path(self, n > 0 ? static_cast<std::size_t>(n) : 0);
  return path.substr(0, path.rfind('/') + 1) + "talvo_exit_probe";
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
