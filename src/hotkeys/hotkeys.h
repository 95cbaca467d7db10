// Global hotkeys without the platform's hotkey registration: a table of key combinations
// and a timer-driven poller over the asynchronous state of every key.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/keys.h"
#include "platform/threads.h"
#include "platform/timer.h"

namespace talvo {

// Receives the id of the entry that fired.
using HotkeyRoutine = std::function<void(std::intptr_t id)>;

// Bits of a modifier mask and the virtual keys sampled for them.
enum ModifierMask : std::int32_t { kAlt = 1, kCtrl = 2, kShift = 4, kWin = 8 };

enum HotkeyState : std::uint8_t { kIdle = 0, kPressed = 1, kReleased = 2, kHandled = 88 };

struct HotkeyEntry {
  std::int32_t id = 0;  // 0 while inactive, else 1000000 + 1-based position
  HotkeyRoutine routine;
  std::int32_t keyCode = 0;  // negative: fires on release
  std::int32_t modifiers = 0;
  std::int32_t extraKey = 0;
  std::uint8_t state = kIdle;
  bool callDirect = false;
};

inline constexpr std::uint32_t kPollTimerId = 16661;
inline constexpr std::int32_t kFirstHotkeyId = 1000001;

// The watched virtual key of a key code: |keyCode| mod 256, without overflow.
int WatchedKey(std::int32_t keyCode);

// The process-wide table. Entries are allocated one by one and never removed or reordered
// while the process runs; Release() frees them in table order at exit.
class HotkeyTable {
 public:
  std::size_t size() const { return entries_.size(); }
  HotkeyEntry& at(std::size_t position) { return *entries_[position - 1]; }  // 1-based
  const HotkeyEntry& at(std::size_t position) const { return *entries_[position - 1]; }
  HotkeyEntry& Append(std::unique_ptr<HotkeyEntry> entry);
  void Release();

 private:
  std::vector<std::unique_ptr<HotkeyEntry>> entries_;
};

// The table together with the platform services it drives. All calls belong to the
// user-interface thread.
class Hotkeys {
 public:
  Hotkeys(KeyStateSource& keys, UiTimer& timer, ThreadStarter& threads);

  std::int32_t RegisterHotkey(HotkeyRoutine routine, std::int32_t keyCode,
                              std::int32_t modifiers = 0, std::int32_t extraKey = 0,
                              std::int32_t interval = 0, bool callDirect = false);
  bool UnregisterHotkey(std::int32_t id = 0);
  // One tick of the poller.
  void PollHotkeys();

  HotkeyTable& table() { return table_; }

 private:
  void Fire(const HotkeyEntry& entry);

  KeyStateSource& keys_;
  UiTimer& timer_;
  ThreadStarter& threads_;
  HotkeyTable table_;
};

}  // namespace talvo
