#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace tarvix {

// A caption as speech reads it best: blanks trimmed and collapsed, lower case after the first
// letter ("UNIT WEIGHT (LB)" becomes "Unit weight (lb)"), abbreviations that are spelled out
// letter by letter kept in capitals ("U.S.", "OD", "ID").
std::string SentenceCase(std::string_view caption);

// The name a screen reader announces for a main window control, built from the captions the
// window shows now; empty for the panels and labels, which speak for themselves.
std::string AccessibleName(const Window& window, int id);

// The order in which Tab moves through the main window: panel by panel as the work goes (shape,
// material, quantity, dimensions, input mode, units, results, tracker, window buttons), each
// panel's controls row by row.
std::span<const int> MainWindowTabOrder();

// Keeps the main window's accessible names in step with its captions. Only changed names are
// passed on, so a refresh after every event costs little.
class AccessibleNames {
  public:
    void Refresh(Window& window);

  private:
    std::map<int, std::string> applied_;
};

}  // namespace tarvix
