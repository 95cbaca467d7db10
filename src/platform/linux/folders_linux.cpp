#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>

#include "platform/folders.h"

namespace talvo {

namespace {

class LinuxFileSystem final : public FileSystem {
 public:
  std::optional<Text> UserDataFolder() override {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') return Text(xdg);
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
      return Text(home) + "/.local/share";
    return std::nullopt;
  }

  Text Separator() const override { return "/"; }

  bool FindEntry(const Text& path) override {
    // Search the parent directory for the last component, as a file search does; a path
    // with a trailing separator has an empty last component and matches nothing.
    const auto slash = path.rfind('/');
    const Text name = slash == Text::npos ? path : path.substr(slash + 1);
    if (name.empty()) return false;
    const Text parent =
        slash == Text::npos ? Text(".") : (slash == 0 ? Text("/") : path.substr(0, slash));
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(parent.c_str()), closedir);
    if (!dir) return false;
    while (const dirent* entry = readdir(dir.get()))
      if (name == entry->d_name) return true;
    return false;
  }

  bool CreateFolder(const Text& path) override { return mkdir(path.c_str(), 0755) == 0; }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static LinuxFileSystem fs;
  return fs;
}

}  // namespace talvo
