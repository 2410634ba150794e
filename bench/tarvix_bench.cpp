// tarvix-bench: start-up time and memory of Tarvix's main window against a bare window of the
// same size, side by side, and the time from a commit to its results written, for every shape.
// Run it where a display is open (an X server, or Xvfb); prints a table, asserts nothing.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "bench/bench_typing.h"
#include "core/control_ids.h"
#include "core/shape_catalogue.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "shell/application.h"

extern char** environ;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct StartUp {
    double ms = 0;
    long rss_kib = 0;
    long peak_kib = 0;
};

bool RunProbe(const std::string& probe, const char* mode, const std::string& dir, StartUp& out) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    std::vector<char*> args{const_cast<char*>(probe.c_str()), const_cast<char*>(mode),
                            const_cast<char*>(dir.c_str()), nullptr};
    const long long start = MonotonicNs();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    if (rc != 0) {
        close(pipe_fds[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(pipe_fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    close(pipe_fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long shown = 0;
    if (std::sscanf(text.c_str(), "%lld %ld %ld", &shown, &out.rss_kib, &out.peak_kib) != 3) {
        return false;
    }
    out.ms = (shown - start) / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void StartUpComparison(const std::string& probe, int runs) {
    const std::string dir = "/tmp/";
    const char* modes[] = {"tarvix", "bare", "label"};
    const char* names[] = {"tarvix main window", "bare 777x550 window", "bare window + a label"};
    std::vector<double> ms[3], ratio[3];
    std::vector<long> rss[3];
    StartUp run;
    for (const char* mode : modes)
        RunProbe(probe, mode, dir, run);  // warm the caches
    for (int i = 0; i < runs; ++i) {
        double tarvix_ms = 0;
        for (int m = 0; m < 3; ++m) {
            if (!RunProbe(probe, modes[m], dir, run)) {
                std::printf("a probe run failed (is a display open?)\n");
                return;
            }
            if (m == 0) tarvix_ms = run.ms;
            ms[m].push_back(run.ms);
            rss[m].push_back(run.rss_kib);
            ratio[m].push_back(tarvix_ms / run.ms);
        }
    }
    std::printf("start-up to window shown, %d runs each, in turn (medians)\n", runs);
    std::printf("  %-24s %9s %13s %11s %11s\n", "", "time ms", "resident KiB", "tarvix/this",
                "memory");
    for (int m = 0; m < 3; ++m) {
        std::printf("  %-24s %9.1f %13ld %11.2f %11.2f\n", names[m], Median(ms[m]), Median(rss[m]),
                    Median(ratio[m]), static_cast<double>(Median(rss[0])) / Median(rss[m]));
    }
}

struct ShapeInputs {
    int shape;
    std::vector<const char*> texts;  // the inputs in order; structural shapes: the length only
};

// Typical parts, one per shape.
const std::vector<ShapeInputs> kParts = {
    {1, {"1", "12"}},
    {2, {"1", "12"}},
    {3, {"2", "3", ".25", "12"}},
    {4, {"2", ".25", "12"}},
    {5, {"1", "12"}},
    {6, {"2", "1", "12"}},
    {7, {"2", ".25", "12"}},
    {8, {"2", ".25", ".1", ".05", "12"}},
    {9, {"2", "3", ".25", ".1", ".05", "12"}},
    {10, {"2"}},
    {11, {"2", "1"}},
    {12, {"2", "3", "4"}},
    {13, {"2", "3"}},
    {14, {"2", "1", "3"}},
    {15, {"2", ".5"}},
    {16, {"1", "4"}},
    {17, {"12"}},
    {18, {"12"}},
    {19, {"12"}},
    {20, {"12"}},
};

void Commit(tarvix::Application& app, int k, const char* text) {
    TypeInto(app.MainWindow(), tarvix::ids::kInput[k - 1], text);
    app.Handler().HandleEvent({tarvix::Event::Kind::kControl, tarvix::ids::kInputMarker[k - 1],
                               tarvix::Notification::kClicked});
}

void CommitTimes(int repeats) {
    using tarvix::ids::kInput;
    tarvix::QtDesktop desktop;
    tarvix::Settings settings{{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"}};
    tarvix::Application app(desktop, settings);
    QCoreApplication::processEvents();
    std::printf(
        "\ncommit to results written, %d commits of the last input per shape (real Qt "
        "widgets)\n",
        repeats);
    std::printf("  %-18s %12s %12s %10s\n", "shape", "median us", "max us", "volume");
    for (const ShapeInputs& part : kParts) {
        const tarvix::ShapeInfo& shape = tarvix::Shape(part.shape);
        app.MainWindow().SetChecked(shape.optionControl, true);
        app.Handler().HandleEvent(
            {tarvix::Event::Kind::kControl, shape.optionControl, tarvix::Notification::kClicked});
        const int first = tarvix::IsStructural(part.shape) ? 4 : 1;
        for (std::size_t i = 0; i < part.texts.size(); ++i) {
            Commit(app, first + static_cast<int>(i), part.texts[i]);
        }
        const int last = first + static_cast<int>(part.texts.size()) - 1;
        std::vector<double> us;
        for (int r = 0; r < repeats; ++r) {
            // Alternate the text so that every commit reads and computes anew.
            const char* text = (r % 2) ? part.texts.back() : "7/2";
            const auto t0 = std::chrono::steady_clock::now();
            Commit(app, last, text);
            const auto t1 = std::chrono::steady_clock::now();
            us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        QCoreApplication::processEvents();
        std::printf("  %-18s %12.1f %12.1f %10s\n", std::string(shape.itemName).c_str(), Median(us),
                    *std::max_element(us.begin(), us.end()),
                    app.MainWindow().GetText(tarvix::ids::kVolume).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string self = argv[0];
    const std::string probe = self.substr(0, self.find_last_of('/') + 1) + "tarvix-startup-probe";
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    StartUpComparison(probe, runs);
    static int arg_count = 1;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    CommitTimes(400);
    return 0;
}
