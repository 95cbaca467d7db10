#pragma once

#include <filesystem>
#include <string>

namespace talvo::testing {

// Makes the platform's per-user data folder exist (on Linux a fresh temporary one, named
// in XDG_DATA_HOME) and returns it.
std::filesystem::path PrepareUserDataFolder();

// The path of a program that the build puts beside the running test program.
std::string SiblingPath(const std::string& name);

}  // namespace talvo::testing
