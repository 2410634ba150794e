#include "platform/qt/offscreen_application.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace tarvix {
namespace {

char kProgram[] = "tarvix";
char kPlatformOption[] = "-platform";
// The option wins over QT_QPA_PLATFORM, so a display named in the environment is not needed.
char kOffscreen[] = "offscreen";

// The toolkit's notes about its environment (a missing runtime folder, say) are not the
// program's output; its errors still go through.
QtMessageHandler previous_handler = nullptr;

void DropNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (previous_handler) previous_handler(type, context, text);
}

}  // namespace

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance()) return;
    argv_[0] = kProgram;
    argv_[1] = kPlatformOption;
    argv_[2] = kOffscreen;
    previous_handler = qInstallMessageHandler(DropNotes);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenApplication::~OffscreenApplication() {
    if (!application_) return;
    application_.reset();
    qInstallMessageHandler(previous_handler);
}

}  // namespace tarvix
