#include "shell/keyboard_shortcuts.h"

#include "core/control_ids.h"

namespace tarvix {

using namespace ids;

std::span<const Shortcut> MainWindowShortcuts() {
    // Ctrl+O stays free for opening a parts list.
    static constexpr Shortcut kShortcuts[] = {
        {kItemPlus, "Ctrl+I", ShortcutAction::kClick},
        {kView, "Ctrl+L", ShortcutAction::kClick},
        {kSave, "Ctrl+S", ShortcutAction::kClick},
        {kPrint, "Ctrl+P", ShortcutAction::kClick},
        {kGuide, "F1", ShortcutAction::kClick},
        {kClose, "Ctrl+Q", ShortcutAction::kClick},
        {kPipe, "Ctrl+1", ShortcutAction::kFocus},
        {kHexagonal, "Ctrl+2", ShortcutAction::kFocus},
        {kRoundOdId, "Ctrl+3", ShortcutAction::kFocus},
        {kSphere, "Ctrl+4", ShortcutAction::kFocus},
    };
    return kShortcuts;
}

std::span<const OptionGroupName> MainWindowGroupNames() {
    static constexpr OptionGroupName kNames[] = {
        {kPipe, "Shape"},       {kFamilyMetal, "Material family"},
        {kInches, "Units"},     {kDecimals1, "Decimals"},
        {kDefaultMode, "Mode"},
    };
    return kNames;
}

void ApplyKeyboardAndGroups(Window& window) {
    for (const Shortcut& s : MainWindowShortcuts())
        window.SetShortcut(s.id, s.keys, s.action);
    for (const OptionGroupName& g : MainWindowGroupNames())
        window.SetGroupName(g.first_option, g.name);
}

}  // namespace tarvix
