#include <gtest/gtest.h>

#include <climits>

#include "hotkeys/hotkeys.h"
#include "support/fakes.h"

namespace talvo {
namespace {

using testing::FakeKeys;
using testing::FakeThreads;
using testing::FakeTimer;

struct RegisterFixture : ::testing::Test {
  FakeKeys keys;
  FakeTimer timer;
  FakeThreads threads;
  Hotkeys hotkeys{keys, timer, threads};
  HotkeyRoutine Routine(int tag) {
    return [this, tag](std::intptr_t id) { calls.push_back({tag, id}); };
  }
  std::vector<std::pair<int, std::intptr_t>> calls;
};

class RefusedKeyCode : public RegisterFixture,
                       public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(RefusedKeyCode, ReturnsZeroAndLeavesEverythingAlone) {
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(1), GetParam(), kCtrl), 0);
  EXPECT_EQ(hotkeys.table().size(), 0u);
  EXPECT_TRUE(timer.starts.empty());
}

INSTANTIATE_TEST_SUITE_P(WatchedKeyZero, RefusedKeyCode,
                         ::testing::Values(0, 256, -256, 512, INT32_MIN));

TEST(WatchedKey, AbsoluteValueModulo256WithoutOverflow) {
  struct Case {
    std::int32_t keyCode;
    int watched;
  } cases[] = {{67, 67},         {-67, 67},         {323, 67},  {-323, 67}, {INT32_MIN, 0},
               {INT32_MAX, 255}, {-INT32_MAX, 255}, {255, 255}, {1, 1}};
  for (const Case& c : cases) EXPECT_EQ(WatchedKey(c.keyCode), c.watched) << c.keyCode;
}

TEST_F(RegisterFixture, DistinctTriplesGetConsecutiveIds) {
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(1), 67, kCtrl), 1000001);
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(2), 67), 1000002);
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(3), -67), 1000003);  // release-triggered C
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(4), 323), 1000004);  // same watched key, other code
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(5), 67, kCtrl, 16), 1000005);  // extra key differs
  EXPECT_EQ(hotkeys.table().size(), 5u);
}

TEST_F(RegisterFixture, ReRegistrationKeepsIdAndSwapsRoutine) {
  ASSERT_EQ(hotkeys.RegisterHotkey(Routine(1), 67, kCtrl), 1000001);
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(2), 67, kCtrl, 0, 0, true), 1000001);
  ASSERT_EQ(hotkeys.table().size(), 1u);
  const HotkeyEntry& entry = hotkeys.table().at(1);
  EXPECT_TRUE(entry.callDirect);
  entry.routine(entry.id);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].first, 2);
}

TEST_F(RegisterFixture, TimerStartsOnceWithTheFirstIntervalRule) {
  struct Case {
    std::int32_t firstInterval;
    int period;
  } cases[] = {{-5, 10}, {0, 10}, {25, 25}, {1, 1}};
  for (const Case& c : cases) {
    FakeTimer t;
    Hotkeys h{keys, t, threads};
    h.RegisterHotkey(Routine(1), 67, kCtrl, 0, c.firstInterval);
    h.RegisterHotkey(Routine(2), 67, 0, 0, 50);
    h.UnregisterHotkey(0);
    h.RegisterHotkey(Routine(1), 67, kCtrl, 0, 7);
    ASSERT_EQ(t.starts.size(), 1u) << c.firstInterval;
    EXPECT_EQ(t.starts[0].id, 16661u);
    EXPECT_EQ(t.starts[0].period, c.period) << c.firstInterval;
  }
}

TEST_F(RegisterFixture, UnregisterOnEmptyTable) {
  EXPECT_TRUE(hotkeys.UnregisterHotkey(0));
  EXPECT_TRUE(hotkeys.UnregisterHotkey());
  EXPECT_FALSE(hotkeys.UnregisterHotkey(1000001));
}

TEST_F(RegisterFixture, UnregisterOneThenReRegisterBringsTheSameIdBack) {
  hotkeys.RegisterHotkey(Routine(1), 67, kCtrl);
  hotkeys.RegisterHotkey(Routine(2), 67);
  EXPECT_TRUE(hotkeys.UnregisterHotkey(1000002));
  EXPECT_FALSE(hotkeys.UnregisterHotkey(1000002));
  EXPECT_EQ(hotkeys.table().at(1).id, 1000001);
  EXPECT_EQ(hotkeys.table().at(2).id, 0);
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(2), 67), 1000002);
}

TEST_F(RegisterFixture, UnregisterAllThenBothComeBackUnderTheirIds) {
  hotkeys.RegisterHotkey(Routine(1), 67, kCtrl);
  hotkeys.RegisterHotkey(Routine(2), 67);
  hotkeys.table().at(1).state = kHandled;
  EXPECT_TRUE(hotkeys.UnregisterHotkey(0));
  EXPECT_EQ(hotkeys.table().at(1).id, 0);
  EXPECT_EQ(hotkeys.table().at(2).id, 0);
  EXPECT_EQ(hotkeys.table().at(1).state, kHandled);  // only the id changes
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(1), 67, kCtrl), 1000001);
  EXPECT_EQ(hotkeys.RegisterHotkey(Routine(2), 67), 1000002);
  EXPECT_EQ(hotkeys.table().size(), 2u);
  EXPECT_EQ(timer.starts.size(), 1u);
}

TEST_F(RegisterFixture, ReleaseFreesTheEntries) {
  hotkeys.RegisterHotkey(Routine(1), 67, kCtrl);
  hotkeys.RegisterHotkey(Routine(2), 67);
  hotkeys.table().Release();
  EXPECT_EQ(hotkeys.table().size(), 0u);
}

}  // namespace
}  // namespace talvo
