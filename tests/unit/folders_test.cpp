// The data folder on the real file system of the platform: under a temporary XDG data
// folder on Linux, under the Wine prefix's application-data folder on Windows.
#include "platform/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "support/native_paths.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = testing::PrepareUserDataFolder();
    ASSERT_FALSE(base_.empty());
    fs::remove_all(DataPath());
  }
  void TearDown() override { fs::remove_all(DataPath()); }
  fs::path DataPath() const { return base_ / fs::path(u8"翻译"); }
  fs::path AudioPath() const { return DataPath() / fs::path(u8"音频"); }

  fs::path base_;
};

TEST_F(DataFolder, CreatedOnFirstStartAndUnchangedOnTheSecond) {
  Text folder;
  EnsureDataFolder(SystemFileSystem(), folder);
  EXPECT_TRUE(fs::is_directory(DataPath())) << DataPath();
  EXPECT_TRUE(fs::is_directory(AudioPath()));
  { std::ofstream(AudioPath() / "keep") << "x"; }
  EnsureDataFolder(SystemFileSystem(), folder);
  EXPECT_TRUE(fs::exists(AudioPath() / "keep"));
}

TEST_F(DataFolder, DeletedAudioFolderComesBack) {
  Text folder;
  EnsureDataFolder(SystemFileSystem(), folder);
  fs::remove_all(AudioPath());
  EnsureDataFolder(SystemFileSystem(), folder);
  EXPECT_TRUE(fs::is_directory(AudioPath()));
}

TEST_F(DataFolder, FileInTheWayMakesBothCreationsFailQuietly) {
  { std::ofstream(DataPath()) << "not a folder"; }
  Text folder;
  EXPECT_EQ(EnsureDataFolder(SystemFileSystem(), folder), 0);
  EXPECT_TRUE(fs::is_regular_file(DataPath()));
  EXPECT_FALSE(fs::exists(AudioPath()));
}

}  // namespace
}  // namespace talvo
