#pragma once

#include <span>
#include <string_view>

#include "platform/window.h"

namespace tarvix {

// A key of the main window that works whatever control has the focus.
struct Shortcut {
    int id;
    std::string_view keys;
    ShortcutAction action;
};

// The buttons a keyboard user needs most (ITEM+, VIEW, SAVE, PRINT, GUIDE, CLOSE), and the four
// shape headings, each reached at its first option.
std::span<const Shortcut> MainWindowShortcuts();

// The names a screen reader gives the option groups, by their first options.
struct OptionGroupName {
    int first_option;
    std::string_view name;
};
std::span<const OptionGroupName> MainWindowGroupNames();

// Hands the shortcuts and the group names to the window.
void ApplyKeyboardAndGroups(Window& window);

}  // namespace tarvix
