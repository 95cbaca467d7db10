#include <gtest/gtest.h>

#include "app/startup.h"
#include "support/fakes.h"

namespace talvo {
namespace {

using testing::FakeFileSystem;
using testing::FakeKeys;
using testing::FakeThreads;
using testing::FakeTimer;

TEST(EnsureDataFolder, AppendsSeparatorSearchesWithItAndCreatesBothLevels) {
  FakeFileSystem fs;
  Text folder;
  EXPECT_EQ(EnsureDataFolder(fs, folder), 0);
  const Text expected = "C:\\Users\\u\\AppData\\Roaming\\" + FromUtf8("翻译") + "\\";
  EXPECT_EQ(folder, expected);
  EXPECT_EQ(fs.searches, std::vector<Text>{expected});
  EXPECT_EQ(fs.created, (std::vector<Text>{expected, expected + FromUtf8("音频") + "\\"}));
}

TEST(EnsureDataFolder, KeepsAnExistingSeparator) {
  FakeFileSystem fs;
  fs.special = Text("D:\\data\\");
  Text folder;
  EnsureDataFolder(fs, folder);
  EXPECT_EQ(folder, "D:\\data\\" + FromUtf8("翻译") + "\\");
}

TEST(EnsureDataFolder, WithoutTheSpecialFolderThePathIsRelative) {
  FakeFileSystem fs;
  fs.special.reset();
  Text folder = "stale";
  EnsureDataFolder(fs, folder);
  EXPECT_EQ(folder, FromUtf8("翻译") + "\\");
  EXPECT_EQ(fs.created.size(), 2u);
}

TEST(EnsureDataFolder, FoundEntryStopsBeforeCreating) {
  FakeFileSystem fs;
  Text folder;
  EnsureDataFolder(fs, folder);
  fs.found.insert(folder);
  fs.created.clear();
  EnsureDataFolder(fs, folder);
  EXPECT_TRUE(fs.created.empty());
}

// The fake end of the process unwinds the test instead of ending it.
struct Ended {
  int code;
};

struct ProgramFixture : ::testing::Test {
  FakeKeys keys;
  FakeTimer timer;
  FakeThreads threads;
  FakeFileSystem fs;
  std::vector<std::string> events;
  Program program{{
      .keys = keys,
      .timer = timer,
      .threads = threads,
      .fileSystem = fs,
      .prepareProcess = [this] { events.push_back("prepare"); },
      .endProcess = [this](int code) -> void {
        events.push_back("end " + std::to_string(code));
        throw Ended{code};
      },
      .fatalMessage = [this](const Text&, const Text&) { events.push_back("fatal"); },
  }};
};

TEST_F(ProgramFixture, StartRunsTheStepsInOrderAndReturnsZeroWhenTheLoopEnds) {
  const int rc = program.Start(
      [this](Program& p) {
        events.push_back(p.hasHotkeyTable() ? "load with table" : "load without table");
        events.push_back(fs.created.size() == 2 ? "folders made" : "no folders");
        return true;
      },
      [this] { events.push_back("loop"); });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(events,
            (std::vector<std::string>{"prepare", "load with table", "folders made", "loop"}));
  EXPECT_EQ(program.dataFolder(), *fs.special + "\\" + FromUtf8("翻译") + "\\");
}

TEST_F(ProgramFixture, UnloadableStartupWindowEndsWithMinusOneWithoutExitRoutines) {
  try {
    program.Start([](Program&) { return false; }, [this] { events.push_back("loop"); });
    FAIL() << "Start returned";
  } catch (const Ended& e) {
    EXPECT_EQ(e.code, -1);
  }
  EXPECT_EQ(events, (std::vector<std::string>{"prepare", "fatal", "end -1"}));
  EXPECT_FALSE(program.dataFolder().empty());  // ExitCleanup did not run
}

TEST_F(ProgramFixture, ExitProgramRunsTheCleanupOnceAndEndsWithTheCode) {
  program.Start(
      [](Program& p) {
        p.hotkeys().RegisterHotkey([](std::intptr_t) {}, 67, kCtrl);
        return true;
      },
      [] {});
  for (int code : {0, 3}) {
    try {
      program.ExitProgram(code);
    } catch (const Ended& e) {
      EXPECT_EQ(e.code, code);
    }
    EXPECT_EQ(program.hotkeys().table().size(), 0u);
    EXPECT_TRUE(program.dataFolder().empty());
  }
  EXPECT_EQ(events.back(), "end 3");
}

}  // namespace
}  // namespace talvo
