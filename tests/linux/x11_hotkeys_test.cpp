// The real poller path on X11: XInput2 key mirror, Qt timer, real threads. Keys are
// injected with XTest into the display the tests run on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "hotkeys/hotkeys.h"
#include "platform/linux/qt_timer.h"
#include "platform/linux/x11_keys.h"
#include "support/xtest_keyboard.h"

namespace talvo {
namespace {

class X11Hotkeys : public ::testing::Test {
 protected:
  void SetUp() override {
    keyboard_ = testing::XTestKeyboard::Open();
    ASSERT_NE(keyboard_, nullptr) << "these tests need an X display";
    keys_ = OpenX11KeyState();
    ASSERT_NE(keys_, nullptr);
    timer_ = MakeQtTimer();
    hotkeys_ = std::make_unique<Hotkeys>(*keys_, *timer_, SystemThreads());
    hotkeys_->RegisterHotkey([this](std::intptr_t) { ++ctrlC_; }, 67, kCtrl);
    hotkeys_->RegisterHotkey([this](std::intptr_t) { ++plainC_; }, 67);
    Pump(100);
  }
  void TearDown() override {
    if (keyboard_)
      for (const char* name : {"c", "Control_L", "Shift_L"}) keyboard_->Key(name, false);
  }

  void Key(const char* name, bool down) { keyboard_->Key(name, down); }

  // Runs the event loop (and so the poll timer) for a while, then lets the threads finish.
  void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  std::unique_ptr<testing::XTestKeyboard> keyboard_;
  std::unique_ptr<KeyStateSource> keys_;
  std::unique_ptr<UiTimer> timer_;
  std::unique_ptr<Hotkeys> hotkeys_;
  std::atomic<int> ctrlC_{0}, plainC_{0};
};

TEST_F(X11Hotkeys, CtrlCHeldForASecondFiresOnce) {
  Key("Control_L", true);
  Pump(50);
  Key("c", true);
  Pump(1000);
  Key("c", false);
  Key("Control_L", false);
  Pump(200);
  EXPECT_EQ(ctrlC_.load(), 1);
  EXPECT_EQ(plainC_.load(), 0);
}

TEST_F(X11Hotkeys, CtrlShiftCFiresNeither) {
  Key("Control_L", true);
  Key("Shift_L", true);
  Pump(50);
  Key("c", true);
  Pump(200);
  Key("c", false);
  Key("Shift_L", false);
  Key("Control_L", false);
  Pump(200);
  EXPECT_EQ(ctrlC_.load(), 0);
  EXPECT_EQ(plainC_.load(), 0);
}

TEST_F(X11Hotkeys, CThenCtrlFiresPlainC) {
  Key("c", true);
  Pump(100);
  Key("Control_L", true);
  Pump(200);
  Key("Control_L", false);
  Key("c", false);
  Pump(200);
  EXPECT_EQ(ctrlC_.load(), 0);
  EXPECT_EQ(plainC_.load(), 1);
}

TEST_F(X11Hotkeys, TwoPressesFireTwice) {
  for (int i = 0; i < 2; ++i) {
    Key("Control_L", true);
    Key("c", true);
    Pump(100);
    Key("c", false);
    Key("Control_L", false);
    Pump(100);
  }
  Pump(100);
  EXPECT_EQ(ctrlC_.load(), 2);
}

}  // namespace
}  // namespace talvo

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
