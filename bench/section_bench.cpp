// tarvix-section-bench: finding a typed designation among all section families, and filling the
// section list with the largest family (W) and painting the window, on real Qt widgets. Run it
// where a display is open (an X server, Xvfb, or QT_QPA_PLATFORM=offscreen); prints figures,
// asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QCoreApplication>
#include <QWidget>

#include "core/control_ids.h"
#include "core/sections/section_lookup.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace ids = tarvix::ids;

void Report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    std::printf("  %-46s median %9.2f us   max %9.2f us   (%zu runs)\n", what, us[us.size() / 2],
                us.back(), us.size());
}

double Us(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

long ResidentKib() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

// What every family costs once built (they are built on first use, never at start-up).
void Memory() {
    const long before = ResidentKib();
    std::size_t sizes = 0;
    for (const tarvix::SectionFamily& family : tarvix::SectionFamilies())
        sizes += tarvix::FamilySizes(family).size();
    std::printf("  all %zu sizes built: resident grew by %ld KiB\n", sizes, ResidentKib() - before);
}

void Lookups(int repeats) {
    const char* typed[] = {"W12X26",
                           "w 8 x 31",
                           "HEA 200",
                           "HE 1000 M",
                           "HSS6X6X1/4",
                           "PIPE 6 STD",
                           "SHS 90x90x5 EN 10210",
                           "L4X4X1/2",
                           "S24X121",
                           "W12X27"};
    tarvix::FindSection("W12X26");  // the families are built on first use
    for (const char* text : typed) {
        std::vector<double> us;
        for (int i = 0; i < repeats; ++i) {
            const auto start = Clock::now();
            const auto found = tarvix::FindSection(text);
            us.push_back(Us(start, Clock::now()));
            if (found.refusal.size() == 1) std::printf("!");
        }
        char what[64];
        std::snprintf(what, sizeof what, "find %s", text);
        Report(what, us);
    }
}

void FillAndPaint(int repeats) {
    tarvix::QtDesktop desktop;
    tarvix::Application app(desktop, tarvix::Settings{{"assemblytracker=on", "weightunits=inches",
                                                       "weightdecimals=3"}});
    auto& window = static_cast<tarvix::QtTopLevelWindow&>(app.MainWindow());
    window.SetChecked(ids::kIBeams, true);
    app.Calc().SelectShape(ids::kIBeams);
    QCoreApplication::processEvents();
    std::vector<double> us;
    for (int i = 0; i < repeats; ++i) {
        window.ListSelect(ids::kSectionFamily, 0);
        app.Calc().SectionFamilyChosen();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        window.ListSelect(ids::kSectionFamily, 1);
        app.Calc().SectionFamilyChosen();
        window.Frame()->repaint();
        us.push_back(Us(start, Clock::now()));
    }
    Report("W family (290 sizes) listed and painted", us);
}

}  // namespace

int main(int argc, char** argv) {
    static int arg_count = 1;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::printf("section families\n");
    Memory();
    Lookups(repeats * 10);
    FillAndPaint(repeats / 4 + 1);
    return 0;
}
