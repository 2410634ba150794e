#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/headless_desktop.h"
#include "platform/headless_window.h"
#include "shell/application.h"

namespace tarvix {

// One part as `tarvix-calc weigh` takes it: SHAPE, options and commits.
struct WeighRequest {
    int shape = 0;       // 1..20, or 0 for a known-value mode
    int modeOption = 0;  // the known volume or known weight option
    std::string units = "inches";
    std::string decimals = "3";
    std::optional<std::string> material;
    int familyOption = 0;  // with material: its family option and list index
    int materialIndex = 0;
    std::optional<std::string> density;
    std::optional<std::string> quantity;
    std::optional<int> row;
    // --section: the designation, then where it was found (its family's place among the
    // option's families and its row); refused when the designation names no listed size.
    std::optional<std::string> section;
    int sectionFamily = 0;
    int sectionRow = 0;
    bool section_refused = false;
    std::vector<std::string> commits;
};

// The values of --units and --decimals, as weigh and assembly take them: an empty text when the
// value is one of the choices (the unit then in lower case), otherwise what is wrong.
std::string ParseUnits(const std::string& value, std::string& units);
std::string ParseDecimals(const std::string& value, std::string& decimals);

// Reads the arguments after "weigh"; an empty text on success, otherwise what is wrong.
std::string ParseWeighRequest(const std::vector<std::string>& args, WeighRequest& request);

// What keeps the part's results blank: "input 2 (length) is missing", "the known volume is
// missing".
std::string MissingPartText(const Calculator& calc, const WeighRequest& request);

// Types the part into the started application's main window as a user would, from the shape
// option on. Refused values are added to `refusals` ("input2: Division by zero") and typing goes
// on; a commit the window cannot take stops it and is returned, otherwise an empty text.
std::string TypePart(Application& app, HeadlessDesktop& desktop, const WeighRequest& request,
                     std::vector<std::string>& refusals);

// Drives the main window as a user would, through the same event handler the window uses.
class Driver {
  public:
    Driver(HeadlessDesktop& desktop, HeadlessWindow& window) : desktop_(desktop), window_(window) {}

    void Click(int id) {
        window_.SetChecked(id, true);
        window_.Deliver(Event{Event::Kind::kControl, id, Notification::kClicked});
    }

    void Pick(int list, int index) {
        window_.ListSelect(list, index);
        window_.Deliver(Event{Event::Kind::kControl, list, Notification::kListActivity});
    }

    // Clicks into the field (the field that had the focus loses it), types and presses Enter.
    void Type(int field, const std::string& text) {
        const int previous = window_.Focus();
        if (previous != field && previous != 0) {
            window_.Deliver(Event{Event::Kind::kControl, previous, Notification::kFocusLost});
        }
        window_.GiveFocus(field);
        window_.Deliver(Event{Event::Kind::kControl, field, Notification::kFocusGained});
        window_.Type(field, text);
        desktop_.PressEnter();
        window_.Deliver(Event{Event::Kind::kTimer, kMainTimer, Notification::kClicked});
    }

  private:
    HeadlessDesktop& desktop_;
    HeadlessWindow& window_;
};

}  // namespace tarvix
