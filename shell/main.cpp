#include <iostream>
#include <string>
#include <vector>

#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "shell/application.h"
#include "shell/settings.h"
#include "shell/settings_location.h"
#include "shell/window_options.h"

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = tarvix::AnswerWithoutWindow(args, std::cout)) return *status;
    // The toolkit keeps a reference to argc for as long as it runs.
    static int arg_count = argc;
    auto toolkit = tarvix::QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    tarvix::QtDesktop desktop;
    const std::string settings_directory =
        tarvix::SettingsDirectory(desktop.ProgramDirectory(), tarvix::CurrentSettingsEnvironment());
    tarvix::Application program(desktop, tarvix::LoadSettings(settings_directory));
    // `tarvix FILE.tarvix`, as a file manager starts it for a parts list.
    if (arg_count > 1) program.Handler().OpenPartsList(argv[1]);
    program.Run();
    return 0;
}
