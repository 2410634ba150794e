// tarvix-assembly-bench: how long the assembly tracker takes on real Qt widgets. Rebuilding the
// view window with 50 items (what every tracker operation and unit or decimals change costs while
// the view is open), and ITEM+ from the click's event to the tracker panel painted. Run it where
// a display is open (an X server, Xvfb, or QT_QPA_PLATFORM=offscreen); prints figures, asserts
// nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QWidget>

#include "assembly/assembly_tracker.h"
#include "bench/bench_typing.h"
#include "core/control_ids.h"
#include "platform/headless_desktop.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"

namespace {

using Clock = std::chrono::steady_clock;
using tarvix::Event;
using tarvix::Notification;
namespace ids = tarvix::ids;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("  %-44s median %8.3f ms   max %8.3f ms   (%zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

void Click(tarvix::Application& app, int id) {
    app.Handler().HandleEvent({Event::Kind::kControl, id, Notification::kClicked});
}

// A round bar 1 x 12 on screen, ready for ITEM+.
void RoundBar(tarvix::Application& app) {
    for (int k = 1; k <= 2; ++k) {
        TypeInto(app.MainWindow(), ids::kInput[k - 1], k == 1 ? "1" : "12");
        Click(app, ids::kInputMarker[k - 1]);
    }
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Every operation refreshes the open view; units and decimals alternate so each rebuild writes
// different texts.
void ViewRefresh(tarvix::Desktop& desktop, const char* label, bool paint, int repeats) {
    tarvix::Application app(desktop,
                            {{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"}});
    RoundBar(app);
    for (int i = 0; i < tarvix::AssemblyList::kCapacity; ++i)
        Click(app, ids::kItemPlus);
    Click(app, ids::kView);
    Settle();
    tarvix::AssemblyTracker& tracker = app.Tracker();
    std::vector<double> ms;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = Clock::now();
        tracker.DisplaySettingsChanged(r % 2 ? tarvix::Unit::kMillimeters : tarvix::Unit::kInches,
                                       r % 3 + 1);
        if (paint) {
            auto* view = static_cast<tarvix::QtTopLevelWindow*>(tracker.View().Window());
            view->Frame()->repaint();
        }
        ms.push_back(Ms(t0, Clock::now()));
    }
    Report(label, ms);
}

void ItemPlus(tarvix::QtDesktop& desktop, int rounds) {
    tarvix::Application app(desktop,
                            {{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"}});
    auto& window = static_cast<tarvix::QtTopLevelWindow&>(app.MainWindow());
    RoundBar(app);
    Settle();
    std::vector<double> closed, open;
    for (int round = 0; round < rounds; ++round) {
        // Every other round with the view open from the second item on.
        const bool with_view = round % 2 == 1;
        for (int i = 0; i < tarvix::AssemblyList::kCapacity; ++i) {
            if (with_view && i == 1) Click(app, ids::kView);
            const auto t0 = Clock::now();
            Click(app, ids::kItemPlus);
            window.Frame()->repaint();
            (with_view && i > 0 ? open : closed).push_back(Ms(t0, Clock::now()));
        }
        while (!app.Tracker().List().Empty())
            Click(app, ids::kItemMinus);
        Settle();
    }
    Report("ITEM+ to window painted, view closed", closed);
    Report("ITEM+ to window painted, view open (2-50 items)", open);
}

}  // namespace

int main(int argc, char** argv) {
    static int arg_count = 1;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::printf("assembly tracker, 50 items\n");
    tarvix::HeadlessDesktop headless;
    ViewRefresh(headless, "view rebuilt, in-memory window", false, repeats);
    tarvix::QtDesktop desktop;
    ViewRefresh(desktop, "view rebuilt, Qt widgets", false, repeats);
    ViewRefresh(desktop, "view rebuilt and painted, Qt widgets", true, repeats);
    ItemPlus(desktop, 6);
    return 0;
}
