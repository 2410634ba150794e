#pragma once

#include <functional>
#include <string>

namespace tarvix {

// What the choice of the settings folder needs to know of the system; tests substitute it.
struct SettingsEnvironment {
    std::string configHome;  // $XDG_CONFIG_HOME, empty when unset
    std::string home;        // $HOME, else the home the user database gives; empty for none
    // Whether this user may create a file in the folder.
    std::function<bool(const std::string& directory)> canCreateIn;
};

// The running process's environment; creation rights as the system grants them to this user.
SettingsEnvironment CurrentSettingsEnvironment();

// The folder (ending in a separator) whose weights.ini is read, or created when missing. A file
// beside the program always wins (except in a system folder such as /usr/bin, which is never the
// settings folder), and so does a program folder that can take one: a portable copy
// keeps its settings with it. A folder this user cannot write to (a system-wide install) gives way
// to the user's configuration folder, $XDG_CONFIG_HOME/tarvix/ or ~/.config/tarvix/, which is
// created here. $HOME unset, the user database names the home. Without either, the result is
// empty: nowhere to keep settings, so the defaults apply and no file is written.
std::string SettingsDirectory(const std::string& program_directory, const SettingsEnvironment& env);

}  // namespace tarvix
