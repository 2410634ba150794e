#include "platform/qt/qt_application.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/display_check.h"

namespace tarvix {
namespace {

// While the application object is being built, the toolkit's messages are held back here: a
// platform plug-in that cannot connect logs a warning and then raises a fatal error, which would
// abort. The message handler is a plain function, hence this file-local record.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
QtMessageHandler previous_handler = nullptr;
std::vector<HeldMessage>* held_messages = nullptr;

void ReportNoDisplay(const std::string& reason) {
    std::fprintf(stderr, "tarvix: cannot open a display: %s\n", reason.c_str());
    std::fflush(stderr);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        if (held_messages) {
            held_messages->push_back({type, context.category ? context.category : "", text});
        }
        return;
    }
    // The most telling reason is the platform plug-in's first complaint ("could not connect to
    // display :1"); the fatal text itself only says that no plug-in could start.
    QString reason = text.section('\n', 0, 0);
    if (held_messages) {
        for (const HeldMessage& message : *held_messages) {
            if (message.category.starts_with("qt.qpa")) {
                reason = message.text.section('\n', 0, 0);
                break;
            }
        }
    }
    ReportNoDisplay(reason.toStdString());
    // Leave without the abort that would follow a fatal message.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

QtApplication::QtApplication(std::unique_ptr<QApplication> application)
    : application_(std::move(application)) {}

QtApplication::~QtApplication() = default;

std::unique_ptr<QtApplication> QtApplication::Open(int& argc, char** argv) {
    const std::string problem = DisplayProblem(CurrentDisplayEnvironment());
    if (!problem.empty()) {
        ReportNoDisplay(problem);
        return nullptr;
    }
    std::vector<HeldMessage> messages;
    held_messages = &messages;
    previous_handler = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    // Ties the window to the installed desktop entry, so that task bars and docks show its name
    // and icon (the Wayland application id; X11 matches the entry's window class).
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVIX_APP_ID));
    qInstallMessageHandler(previous_handler);
    held_messages = nullptr;
    // Warnings of a start that succeeded still reach the log.
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    return std::unique_ptr<QtApplication>(new QtApplication(std::move(application)));
}

}  // namespace tarvix
