// The Linux program: Qt widgets, X11 key state.
#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "app/startup.h"
#include "platform/folders.h"
#include "platform/linux/qt_timer.h"
#include "platform/linux/x11_keys.h"
#include "platform/process.h"
#include "platform/threads.h"

namespace {

// Used when the display offers no key state: nothing is ever down.
class NoKeys final : public talvo::KeyStateSource {
 public:
  void Sample(talvo::KeySample& out) override { out.fill(0); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Closing the last visible window must not end the program: it lives in the tray.
  QApplication::setQuitOnLastWindowClosed(false);

  NoKeys noKeys;
  std::unique_ptr<talvo::KeyStateSource> x11Keys = talvo::OpenX11KeyState();
  std::unique_ptr<talvo::UiTimer> timer = talvo::MakeQtTimer();

  talvo::Program program({
      .keys = x11Keys ? *x11Keys : static_cast<talvo::KeyStateSource&>(noKeys),
      .timer = *timer,
      .threads = talvo::SystemThreads(),
      .fileSystem = talvo::SystemFileSystem(),
      .prepareProcess = talvo::PrepareProcess,
      .endProcess = talvo::EndProcessNow,
      .fatalMessage =
          [](const talvo::Text& caption, const talvo::Text& message) {
            QMessageBox::critical(nullptr, QString::fromStdString(caption),
                                  QString::fromStdString(message));
          },
  });
  const int rc = program.Start([](talvo::Program&) { return true; }, [&] { app.exec(); });
  program.ExitProgram(rc);
}
