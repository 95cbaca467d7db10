#include "support/native_paths.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <unistd.h>

#include <climits>
#endif

namespace talvo::testing {

std::filesystem::path PrepareUserDataFolder() {
#ifdef _WIN32
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, TRUE)) return {};
  return std::filesystem::path(path);
#else
  std::string pattern = (std::filesystem::temp_directory_path() / "talvo-xdg-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  setenv("XDG_DATA_HOME", pattern.c_str(), 1);
  return std::filesystem::path(pattern);
#endif
}

std::string SiblingPath(const std::string& name) {
#ifdef _WIN32
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self);
#else
  char self[PATH_MAX] = {};
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string path(self, n > 0 ? static_cast<std::size_t>(n) : 0);
#endif
  return path.substr(0, path.find_last_of("\\/") + 1) + name;
}

}  // namespace talvo::testing
