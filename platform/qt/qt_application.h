#pragma once

#include <memory>

class QApplication;

namespace tarvix {

// The toolkit's application object, opened so that a missing display ends the program with one
// line on stderr instead of an abort. Must exist before any QtDesktop and outlive it.
class QtApplication {
  public:
    // argc must stay alive as long as the application: the toolkit keeps a reference to it.
    // Returns null after printing "tarvix: cannot open a display: <reason>" when no window can be
    // opened; the caller then ends with a non-zero status.
    static std::unique_ptr<QtApplication> Open(int& argc, char** argv);

    ~QtApplication();
    QtApplication(const QtApplication&) = delete;
    QtApplication& operator=(const QtApplication&) = delete;

  private:
    explicit QtApplication(std::unique_ptr<QApplication> application);

    std::unique_ptr<QApplication> application_;
};

}  // namespace tarvix
