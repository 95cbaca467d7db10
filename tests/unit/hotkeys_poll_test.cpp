#include <gtest/gtest.h>

#include <atomic>

#include "hotkeys/hotkeys.h"
#include "support/fakes.h"

namespace talvo {
namespace {

using testing::FakeKeys;
using testing::FakeThreads;
using testing::FakeTimer;
using testing::Key;

constexpr int kC = 67;

struct Transition {
  std::int32_t keyCode;
  std::uint8_t before;
  Key sample;
  std::uint8_t after;
  bool firesWhenMaskMatches;
};

std::ostream& operator<<(std::ostream& os, const Transition& t) {
  return os << "keyCode " << t.keyCode << " state " << int(t.before) << " sample " << int(t.sample);
}

class PollTransition : public ::testing::TestWithParam<Transition> {};

TEST_P(PollTransition, StateAndFiring) {
  const Transition t = GetParam();
  for (bool maskMatches : {true, false}) {
    FakeKeys keys;
    FakeTimer timer;
    FakeThreads threads;
    Hotkeys hotkeys{keys, timer, threads};
    hotkeys.RegisterHotkey([](std::intptr_t) {}, t.keyCode, kCtrl);
    hotkeys.table().at(1).state = t.before;
    keys.Set(17, maskMatches ? Key::Down : Key::Up);
    keys.Set(kC, t.sample);
    hotkeys.PollHotkeys();
    EXPECT_EQ(int(hotkeys.table().at(1).state), int(t.after)) << t << " mask " << maskMatches;
    EXPECT_EQ(threads.pending.size(), (t.firesWhenMaskMatches && maskMatches) ? 1u : 0u)
        << t << " mask " << maskMatches;
  }
}

INSTANTIATE_TEST_SUITE_P(PressTriggered, PollTransition,
                         ::testing::Values(Transition{kC, kIdle, Key::Down, kHandled, true},
                                           Transition{kC, kIdle, Key::Up, kIdle, false},
                                           Transition{kC, kIdle, Key::Tapped, kIdle, false},
                                           Transition{kC, kPressed, Key::Down, kHandled, true},
                                           Transition{kC, kPressed, Key::Up, kHandled, true},
                                           Transition{kC, kPressed, Key::Tapped, kHandled, true},
                                           Transition{kC, kHandled, Key::Down, kHandled, false},
                                           Transition{kC, kHandled, Key::Up, kIdle, false},
                                           Transition{kC, kHandled, Key::Tapped, kHandled, false}));

INSTANTIATE_TEST_SUITE_P(ReleaseTriggered, PollTransition,
                         ::testing::Values(Transition{-kC, kIdle, Key::Down, kPressed, false},
                                           Transition{-kC, kIdle, Key::Up, kIdle, false},
                                           Transition{-kC, kIdle, Key::Tapped, kIdle, false},
                                           Transition{-kC, kPressed, Key::Down, kPressed, false},
                                           Transition{-kC, kPressed, Key::Up, kHandled, true},
                                           Transition{-kC, kPressed, Key::Tapped, kHandled, true},
                                           Transition{-kC, kHandled, Key::Down, kHandled, false},
                                           Transition{-kC, kHandled, Key::Up, kIdle, false},
                                           Transition{-kC, kHandled, Key::Tapped, kHandled,
                                                      false}));

// The system's two entries, Ctrl+C and plain C, against held modifier keys.
struct Chord {
  const char* name;
  std::vector<int> held;
  int firedTag;  // 1 Ctrl+C, 2 plain C, 0 neither
};

std::ostream& operator<<(std::ostream& os, const Chord& c) {
  return os << c.name;
}

class SystemEntries : public ::testing::TestWithParam<Chord> {};

TEST_P(SystemEntries, WhichEntryFires) {
  FakeKeys keys;
  FakeTimer timer;
  FakeThreads threads;
  Hotkeys hotkeys{keys, timer, threads};
  std::vector<int> fired;
  hotkeys.RegisterHotkey([&](std::intptr_t) { fired.push_back(1); }, kC, kCtrl);
  hotkeys.RegisterHotkey([&](std::intptr_t) { fired.push_back(2); }, kC);
  hotkeys.PollHotkeys();
  for (int vk : GetParam().held) keys.Set(vk, Key::Down);
  keys.Set(kC, Key::Down);
  for (int i = 0; i < 5; ++i) hotkeys.PollHotkeys();  // held: never repeats
  threads.RunAll();
  if (GetParam().firedTag == 0) {
    EXPECT_TRUE(fired.empty());
  } else {
    EXPECT_EQ(fired, std::vector<int>{GetParam().firedTag});
  }
  EXPECT_EQ(hotkeys.table().at(1).state, kHandled);
  EXPECT_EQ(hotkeys.table().at(2).state, kHandled);
}

INSTANTIATE_TEST_SUITE_P(Chords, SystemEntries,
                         ::testing::Values(Chord{"CtrlC", {17, 162}, 1},
                                           Chord{"RightCtrlC", {17, 163}, 1},
                                           Chord{"CtrlShiftC", {17, 16}, 0},
                                           Chord{"AltGrC", {17, 18}, 0},
                                           Chord{"RightWinC", {92}, 2}, Chord{"LeftWinC", {91}, 0},
                                           Chord{"PlainC", {}, 2}, Chord{"ShiftC", {16}, 0}),
                         [](const auto& info) { return info.param.name; });

struct PollFixture : ::testing::Test {
  FakeKeys keys;
  FakeTimer timer;
  FakeThreads threads;
  Hotkeys hotkeys{keys, timer, threads};
  std::vector<std::intptr_t> ids;
  HotkeyRoutine Record() {
    return [this](std::intptr_t id) { ids.push_back(id); };
  }
};

TEST_F(PollFixture, CThenCtrlFiresPlainCAndUsesUpTheCtrlCEntry) {
  hotkeys.RegisterHotkey(Record(), kC, kCtrl);
  hotkeys.RegisterHotkey(Record(), kC);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  keys.Set(17, Key::Down);
  hotkeys.PollHotkeys();
  hotkeys.PollHotkeys();
  threads.RunAll();
  EXPECT_EQ(ids, std::vector<std::intptr_t>{1000002});
}

TEST_F(PollFixture, TwoPressesTwoThreadsAndTheTimerDrivesTheTicks) {
  hotkeys.RegisterHotkey(Record(), kC, kCtrl);
  keys.Set(17, Key::Down);
  keys.Set(kC, Key::Down);
  timer.Tick();
  keys.Set(kC, Key::Up);
  timer.Tick();
  keys.Set(kC, Key::Down);
  timer.Tick();
  EXPECT_EQ(threads.pending.size(), 2u);
  threads.RunAll();
  EXPECT_EQ(ids, (std::vector<std::intptr_t>{1000001, 1000001}));
}

TEST_F(PollFixture, ReleaseTriggeredUsesTheModifiersAfterTheRelease) {
  // Ctrl released before C: no firing.
  hotkeys.RegisterHotkey(Record(), -kC, kCtrl);
  keys.Set(17, Key::Down);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  keys.Set(17, Key::Up);
  hotkeys.PollHotkeys();
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  EXPECT_TRUE(threads.pending.empty());
  hotkeys.PollHotkeys();  // a tick that sees C up arms the entry again
  // C released before Ctrl: fires.
  keys.Set(17, Key::Down);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  EXPECT_EQ(threads.pending.size(), 1u);
}

TEST_F(PollFixture, InactiveEntryIsSkippedAndKeepsItsState) {
  hotkeys.RegisterHotkey(Record(), kC);
  hotkeys.UnregisterHotkey(0);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  EXPECT_EQ(hotkeys.table().at(1).state, kIdle);
  hotkeys.RegisterHotkey(Record(), kC);
  hotkeys.PollHotkeys();
  EXPECT_TRUE(threads.pending.empty());
}

TEST_F(PollFixture, EntryLeftPressedWhileInactiveFiresWhenActiveAgain) {
  hotkeys.RegisterHotkey(Record(), -kC);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  ASSERT_EQ(hotkeys.table().at(1).state, kPressed);
  hotkeys.UnregisterHotkey(0);
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  hotkeys.RegisterHotkey(Record(), -kC);
  hotkeys.PollHotkeys();
  EXPECT_EQ(threads.pending.size(), 1u);
}

TEST_F(PollFixture, ExtraKeyMustBeDown) {
  hotkeys.RegisterHotkey(Record(), kC, 0, -65);  // extra key A; its sign plays no part
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  EXPECT_TRUE(threads.pending.empty());
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  keys.Set(65, Key::Down);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  EXPECT_EQ(threads.pending.size(), 1u);
}

TEST_F(PollFixture, DirectCallRunsOnThePollingThreadWithTheId) {
  hotkeys.RegisterHotkey(Record(), kC, 0, 0, 0, true);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  EXPECT_TRUE(threads.pending.empty());
  EXPECT_EQ(ids, std::vector<std::intptr_t>{1000001});
}

TEST_F(PollFixture, RefusedThreadLosesTheFiringOnly) {
  hotkeys.RegisterHotkey(Record(), kC);
  threads.refuse = true;
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  EXPECT_EQ(hotkeys.table().at(1).state, kHandled);
  threads.refuse = false;
  keys.Set(kC, Key::Up);
  hotkeys.PollHotkeys();
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  EXPECT_EQ(threads.pending.size(), 1u);
}

TEST_F(PollFixture, ThreadKeepsItsRoutineWhenTheEntryIsReRegistered) {
  int which = 0;
  hotkeys.RegisterHotkey([&](std::intptr_t) { which = 1; }, kC);
  keys.Set(kC, Key::Down);
  hotkeys.PollHotkeys();
  hotkeys.RegisterHotkey([&](std::intptr_t) { which = 2; }, kC);
  threads.RunAll();
  EXPECT_EQ(which, 1);
}

TEST_F(PollFixture, OneSamplePerTick) {
  hotkeys.RegisterHotkey(Record(), kC);
  hotkeys.RegisterHotkey(Record(), 65);
  hotkeys.PollHotkeys();
  EXPECT_EQ(keys.samples, 1);
}

}  // namespace
}  // namespace talvo
