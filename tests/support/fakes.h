// Fakes of the platform seams for tests of the portable core.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "platform/folders.h"
#include "platform/keys.h"
#include "platform/threads.h"
#include "platform/timer.h"

namespace talvo::testing {

enum class Key { Up, Down, Tapped };

class FakeKeys final : public KeyStateSource {
 public:
  void Set(int vk, Key state) { state_[vk] = state; }
  void ReleaseAll() { state_.clear(); }
  void Sample(KeySample& out) override {
    out.fill(0);
    for (auto [vk, state] : state_)
      out[vk] = state == Key::Down     ? static_cast<std::int16_t>(0x8000)
                : state == Key::Tapped ? 1
                                       : 0;
    ++samples;
  }
  int samples = 0;

 private:
  std::map<int, Key> state_;
};

class FakeTimer final : public UiTimer {
 public:
  struct Start {
    std::uint32_t id;
    int period;
  };
  void StartPeriodic(std::uint32_t id, int period, std::function<void()> tick) override {
    starts.push_back({id, period});
    ticks.push_back(std::move(tick));
  }
  void Tick() {
    for (auto& t : ticks) t();
  }
  std::vector<Start> starts;
  std::vector<std::function<void()>> ticks;
};

// Keeps the work of every "thread" so a test decides when (and whether) it runs.
class FakeThreads final : public ThreadStarter {
 public:
  bool StartDetached(std::function<void()> work) override {
    if (refuse) return false;
    pending.push_back(std::move(work));
    return true;
  }
  void RunAll() {
    auto work = std::move(pending);
    pending.clear();
    for (auto& w : work) w();
  }
  bool refuse = false;
  std::vector<std::function<void()>> pending;
};

class FakeFileSystem final : public FileSystem {
 public:
  std::optional<Text> UserDataFolder() override { return special; }
  Text Separator() const override { return "\\"; }
  bool FindEntry(const Text& path) override {
    searches.push_back(path);
    return found.count(path) > 0;
  }
  bool CreateFolder(const Text& path) override {
    created.push_back(path);
    return existing.insert(path).second;
  }
  std::optional<Text> special = Text("C:\\Users\\u\\AppData\\Roaming");
  std::set<Text> existing, found;
  std::vector<Text> searches, created;
};

}  // namespace talvo::testing
