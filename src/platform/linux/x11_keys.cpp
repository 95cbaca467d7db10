// A mirror of the keyboard kept up to date by XInput2 raw key events, which reach the root
// window whichever client has the focus (and, from XI 2.1 on, during another client's
// grab). A tick then reads memory instead of asking the server. Without XInput2 every
// sample asks the server with XQueryKeymap, and a press between two samples goes unseen.
#include "platform/linux/x11_keys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/linux/x11_vk.h"

namespace talvo {

namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;
using KeycodeMap = std::array<std::vector<std::uint8_t>, 256>;

KeycodeMap ReadKeycodeMap(Display* dpy) {
  KeycodeMap map;
  int minCode = 0, maxCode = 0, perCode = 0;
  XDisplayKeycodes(dpy, &minCode, &maxCode);
  KeySym* syms =
      XGetKeyboardMapping(dpy, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
  if (!syms) return map;
  for (int code = minCode; code <= maxCode && code < 256; ++code)
    map[code] = VirtualKeysForKeysym(syms[(code - minCode) * perCode]);
  XFree(syms);
  return map;
}

class X11KeyState final : public KeyStateSource {
 public:
  X11KeyState(DisplayPtr events, DisplayPtr query)
      : events_(std::move(events)), query_(std::move(query)) {
    map_ = ReadKeycodeMap(query_.get());
    int opcode = 0, event = 0, error = 0;
    int major = 2, minor = 1;
    if (XQueryExtension(events_.get(), "XInputExtension", &opcode, &event, &error) &&
        XIQueryVersion(events_.get(), &major, &minor) == Success) {
      xiOpcode_ = opcode;
      unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
      XISetMask(bits, XI_RawKeyPress);
      XISetMask(bits, XI_RawKeyRelease);
      XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
      XISelectEvents(events_.get(), DefaultRootWindow(events_.get()), &mask, 1);
      XSync(events_.get(), False);
      // Seed after selecting, so that no change falls between the two.
      SeedFromServer();
      if (pipe(wake_) == 0) thread_ = std::thread([this] { Run(); });
    }
  }

  ~X11KeyState() override {
    if (thread_.joinable()) {
      const char byte = 0;
      if (write(wake_[1], &byte, 1) != 1) {
      }
      thread_.join();
    }
    if (wake_[0] >= 0) close(wake_[0]);
    if (wake_[1] >= 0) close(wake_[1]);
  }

  void Sample(KeySample& out) override {
    if (!thread_.joinable()) SeedFromServer();
    out.fill(0);
    std::lock_guard lock(mapMutex_);
    for (int code = 0; code < 256; ++code) {
      if (!down_[code].load(std::memory_order_relaxed)) continue;
      for (std::uint8_t vk : map_[code]) out[vk] = static_cast<std::int16_t>(0x8000);
    }
    for (int vk = 1; vk < 256; ++vk)
      if (tapped_[vk].exchange(0, std::memory_order_relaxed))
        out[vk] = static_cast<std::int16_t>(out[vk] | 1);
  }

 private:
  void SeedFromServer() {
    char keys[32];
    XQueryKeymap(query_.get(), keys);
    for (int code = 0; code < 256; ++code)
      down_[code].store((keys[code / 8] >> (code % 8)) & 1, std::memory_order_relaxed);
  }

  void OnKey(int code, bool pressed) {
    if (code < 0 || code > 255) return;
    down_[code].store(pressed, std::memory_order_relaxed);
    if (!pressed) return;
    std::lock_guard lock(mapMutex_);
    for (std::uint8_t vk : map_[code]) tapped_[vk].store(1, std::memory_order_relaxed);
  }

  void Run() {
    Display* dpy = events_.get();
    pollfd fds[2] = {{ConnectionNumber(dpy), POLLIN, 0}, {wake_[0], POLLIN, 0}};
    for (;;) {
      while (XPending(dpy)) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MappingNotify) {
          XRefreshKeyboardMapping(&ev.xmapping);
          KeycodeMap fresh = ReadKeycodeMap(dpy);
          std::lock_guard lock(mapMutex_);
          map_ = std::move(fresh);
          continue;
        }
        if (ev.type != GenericEvent || ev.xcookie.extension != xiOpcode_) continue;
        if (!XGetEventData(dpy, &ev.xcookie)) continue;
        const auto* raw = static_cast<const XIRawEvent*>(ev.xcookie.data);
        if (ev.xcookie.evtype == XI_RawKeyPress) OnKey(raw->detail, true);
        if (ev.xcookie.evtype == XI_RawKeyRelease) OnKey(raw->detail, false);
        XFreeEventData(dpy, &ev.xcookie);
      }
      if (poll(fds, 2, -1) < 0) continue;
      if (fds[1].revents) return;
      if (fds[0].revents & (POLLERR | POLLHUP)) return;  // the display went away
    }
  }

  DisplayPtr events_;
  DisplayPtr query_;
  int xiOpcode_ = -1;
  int wake_[2] = {-1, -1};
  std::thread thread_;
  std::mutex mapMutex_;
  KeycodeMap map_;
  std::array<std::atomic<std::uint8_t>, 256> down_{};
  std::array<std::atomic<std::uint8_t>, 256> tapped_{};
};

}  // namespace

std::unique_ptr<KeyStateSource> OpenX11KeyState(const char* displayName) {
  DisplayPtr events(XOpenDisplay(displayName), XCloseDisplay);
  DisplayPtr query(XOpenDisplay(displayName), XCloseDisplay);
  if (!events || !query) return nullptr;
  return std::make_unique<X11KeyState>(std::move(events), std::move(query));
}

}  // namespace talvo
