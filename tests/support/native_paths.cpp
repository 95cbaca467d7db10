#include "support/native_paths.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#else
#include <unistd.h>
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

}  // namespace talvo::testing
