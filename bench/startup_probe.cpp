// Opens either Tarvix's main window or a bare window of the same size, waits until the window is
// on screen, then prints the monotonic clock and the process's memory and exits. tarvix-bench
// starts it and measures from just before the start.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"
#include "shell/settings.h"

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Resident and peak resident memory in KiB.
std::pair<long, long> Memory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    long rss = 0, hwm = 0;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) rss = std::stol(line.substr(6));
        if (line.rfind("VmHWM:", 0) == 0) hwm = std::stol(line.substr(6));
    }
    return {rss, hwm};
}

void WaitExposed(QWidget* frame) {
    while (!frame->windowHandle() || !frame->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents();
}

void Report() {
    const long long now = MonotonicNs();
    const auto [rss, hwm] = Memory();
    std::printf("%lld %ld %ld\n", now, rss, hwm);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    static int arg_count = 1;
    // "bare": an empty window; "label": the same with one line of text, which costs the loading
    // of the font database that any window with text pays.
    if (std::strcmp(argv[1], "bare") == 0 || std::strcmp(argv[1], "label") == 0) {
        QApplication app(arg_count, argv);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(777, 550);
        if (std::strcmp(argv[1], "label") == 0) new QLabel("Tarvix V3.0", &window);
        window.show();
        WaitExposed(&window);
        Report();
        return 0;
    }
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    tarvix::QtDesktop desktop;
    // The settings file goes where the caller says, so the bench never writes beside itself.
    tarvix::Application program(desktop, tarvix::LoadSettings(argc > 2 ? argv[2] : "/tmp/"));
    auto& window = static_cast<tarvix::QtTopLevelWindow&>(program.MainWindow());
    WaitExposed(window.Frame());
    Report();
    return 0;
}
