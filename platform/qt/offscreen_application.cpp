#include "platform/qt/offscreen_application.h"

#include <QGuiApplication>

namespace tarvix {
namespace {

char kProgram[] = "tarvix";
char kPlatformOption[] = "-platform";
// The option wins over QT_QPA_PLATFORM, so a display named in the environment is not needed.
char kOffscreen[] = "offscreen";

}  // namespace

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) return;
    argv_[0] = kProgram;
    argv_[1] = kPlatformOption;
    argv_[2] = kOffscreen;
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenApplication::~OffscreenApplication() = default;

}  // namespace tarvix
