#pragma once

#include <filesystem>

namespace talvo::testing {

// Makes the platform's per-user data folder exist (on Linux a fresh temporary one, named
// in XDG_DATA_HOME) and returns it.
std::filesystem::path PrepareUserDataFolder();

}  // namespace talvo::testing
