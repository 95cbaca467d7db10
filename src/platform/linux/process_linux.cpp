#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "platform/process.h"

namespace talvo {

void PrepareProcess() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return;
  std::string path(buffer, static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return;
  if (chdir(path.substr(0, slash == 0 ? 1 : slash).c_str()) != 0) {
    // Staying in the inherited directory is harmless.
  }
}

void EndProcessNow(int exitCode) {
  std::fflush(nullptr);
  _exit(exitCode);
}

}  // namespace talvo
