// The small part of the file system the program touches: one special folder, a search and
// folder creation.
#pragma once

#include <optional>

#include "platform/text.h"

namespace talvo {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The per-user application-data folder (Linux: the XDG data folder), or nothing.
  virtual std::optional<Text> UserDataFolder() = 0;
  // The path separator of the platform: "\\" or "/".
  virtual Text Separator() const = 0;
  // A directory-entry search for the exact path text: like a file search, a path that ends
  // in a separator names no entry and is never found.
  virtual bool FindEntry(const Text& path) = 0;
  // Creates one folder level; the result tells whether it was made.
  virtual bool CreateFolder(const Text& path) = 0;
};

FileSystem& SystemFileSystem();

}  // namespace talvo
