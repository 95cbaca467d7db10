#include "hotkeys/hotkeys.h"

#include <cstdlib>

namespace talvo {

namespace {

constexpr int kDefaultPeriodMs = 10;

bool IsDown(std::int16_t sample) {
  return sample < 0;
}
bool IsTapped(std::int16_t sample) {
  return sample > 0;
}

std::int32_t CurrentMask(const KeySample& keys) {
  std::int32_t mask = 0;
  if (IsDown(keys[18])) mask |= kAlt;
  if (IsDown(keys[17])) mask |= kCtrl;
  if (IsDown(keys[16])) mask |= kShift;
  if (IsDown(keys[91])) mask |= kWin;  // the right Windows key (92) is not a modifier here
  return mask;
}

}  // namespace

int WatchedKey(std::int32_t keyCode) {
  const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(keyCode));
  return static_cast<int>(magnitude % 256);
}

HotkeyEntry& HotkeyTable::Append(std::unique_ptr<HotkeyEntry> entry) {
  entries_.push_back(std::move(entry));
  return *entries_.back();
}

void HotkeyTable::Release() {
  for (auto& entry : entries_) entry.reset();
  entries_.clear();
  entries_.shrink_to_fit();
}

Hotkeys::Hotkeys(KeyStateSource& keys, UiTimer& timer, ThreadStarter& threads)
    : keys_(keys), timer_(timer), threads_(threads) {}

std::int32_t Hotkeys::RegisterHotkey(HotkeyRoutine routine, std::int32_t keyCode,
                                     std::int32_t modifiers, std::int32_t extraKey,
                                     std::int32_t interval, bool callDirect) {
  if (WatchedKey(keyCode) == 0) return 0;

  for (std::size_t p = 1; p <= table_.size(); ++p) {
    HotkeyEntry& entry = table_.at(p);
    if (entry.keyCode != keyCode || entry.modifiers != modifiers || entry.extraKey != extraKey)
      continue;
    entry.routine = std::move(routine);
    entry.callDirect = callDirect;
    if (entry.id == 0) entry.id = static_cast<std::int32_t>(1000000 + p);
    return entry.id;
  }

  auto entry = std::make_unique<HotkeyEntry>();
  entry->id = static_cast<std::int32_t>(table_.size()) + kFirstHotkeyId;
  entry->routine = std::move(routine);
  entry->keyCode = keyCode;
  entry->modifiers = modifiers;
  entry->extraKey = extraKey;
  entry->callDirect = callDirect;
  const std::int32_t id = table_.Append(std::move(entry)).id;

  if (id == kFirstHotkeyId) {
    const int period = interval > 0 ? interval : kDefaultPeriodMs;
    timer_.StartPeriodic(kPollTimerId, period, [this] { PollHotkeys(); });
  }
  return id;
}

bool Hotkeys::UnregisterHotkey(std::int32_t id) {
  for (std::size_t p = 1; p <= table_.size(); ++p) {
    HotkeyEntry& entry = table_.at(p);
    if (id == 0) {
      entry.id = 0;
    } else if (entry.id == id) {
      entry.id = 0;
      return true;
    }
  }
  return id == 0;
}

void Hotkeys::PollHotkeys() {
  // One snapshot per tick, taken before any entry is looked at, so that all entries see the
  // same key states.
  auto keys = std::make_unique<KeySample>();
  keys->fill(0);
  keys_.Sample(*keys);

  const std::size_t n = table_.size();
  for (std::size_t p = 1; p <= n; ++p) {
    HotkeyEntry& entry = table_.at(p);
    if (entry.id == 0) continue;

    const std::int16_t sample = (*keys)[WatchedKey(entry.keyCode)];
    if (IsDown(sample)) {
      if (entry.state == kIdle) entry.state = kPressed;
      if (entry.keyCode < 0) continue;
    } else if (!IsTapped(sample)) {
      if (entry.state != kPressed) {
        entry.state = kIdle;
        continue;
      }
      entry.state = kReleased;
    }

    // Firing test. The press is used up before the modifiers are compared, so a press with
    // the wrong modifiers cannot fire later while the key is still held.
    if (entry.state == kIdle || entry.state == kHandled) continue;
    entry.state = kHandled;
    if (CurrentMask(*keys) != entry.modifiers) continue;
    if (entry.extraKey != 0 && !IsDown((*keys)[WatchedKey(entry.extraKey)])) continue;
    Fire(entry);
  }
}

void Hotkeys::Fire(const HotkeyEntry& entry) {
  const std::intptr_t id = entry.id;
  if (entry.callDirect) {
    if (entry.routine) entry.routine(id);
    return;
  }
  // The thread gets its own copy of the routine: the table may change while it runs.
  threads_.StartDetached([routine = entry.routine, id] {
    if (routine) routine(id);
  });
}

}  // namespace talvo
