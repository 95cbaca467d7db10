#include <shlobj.h>
#include <windows.h>

#include "platform/folders.h"

namespace talvo {

namespace {

class Win32FileSystem final : public FileSystem {
 public:
  std::optional<Text> UserDataFolder() override {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_APPDATA, FALSE)) return std::nullopt;
    return Text(path);
  }

  Text Separator() const override { return "\\"; }

  bool FindEntry(const Text& path) override {
    WIN32_FIND_DATAA data;
    HANDLE found = FindFirstFileA(path.c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return false;
    FindClose(found);
    return true;
  }

  bool CreateFolder(const Text& path) override {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace talvo
