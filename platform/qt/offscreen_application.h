#pragma once

#include <memory>

class QGuiApplication;

namespace tarvix {

// The toolkit's application object on its off-screen platform, so that fonts and PDF files work
// where there is no display, as on the command line. Does nothing when the program has an
// application object already. Print documents need it for as long as they are used. While it is
// open, the toolkit's warnings are not printed.
class OffscreenApplication {
  public:
    OffscreenApplication();
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

  private:
    // The toolkit keeps references to the arguments for the application's lifetime.
    int argc_ = 3;
    char* argv_[4] = {};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace tarvix
