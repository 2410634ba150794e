#include "shell/main_window_handler.h"

#include <cmath>
#include <string>

#include "assembly/io/assembly_output.h"
#include "core/control_ids.h"
#include "core/shape_catalogue.h"
#include "shell/help_page.h"
#include "shell/parts_list_open.h"

namespace tarvix {
namespace {

// The dimension input (1..6) a control belongs to as field or marker; 0 for any other control.
int InputNumber(const int (&controls)[6], int id) {
    for (int k = 1; k <= 6; ++k) {
        if (controls[k - 1] == id) return k;
    }
    return 0;
}

bool IsOneOf(int id, std::initializer_list<int> set) {
    for (int x : set) {
        if (x == id) return true;
    }
    return false;
}

}  // namespace

int CentredLeft(int screen_width, int width) {
    return static_cast<int>(std::nearbyint(screen_width * 0.5 - width * 0.5));
}

MainWindowHandler::MainWindowHandler(Desktop& desktop, TopLevelWindow& window,
                                     Calculator& calculator, AssemblyTracker& tracker, int top)
    : desktop_(desktop), window_(window), calc_(calculator), tracker_(tracker), top_(top) {}

void MainWindowHandler::HandleEvent(const Event& event) {
    switch (event.kind) {
        case Event::Kind::kBackgroundPress:
            window_.StartDrag();
            break;
        case Event::Kind::kTimer:
            if (event.id == kMainTimer && desktop_.EnterKeyPressed()) {
                Commit(last_focused_);
                RefreshAccessibleNames();
            }
            break;
        case Event::Kind::kCloseRequest:
            RequestClose();
            break;
        case Event::Kind::kOpenRequest:
            ChooseAndOpenPartsList(desktop_, window_, calc_, tracker_);
            break;
        case Event::Kind::kControl:
            OnControl(event.id, event.code);
            // Shape, unit and section changes rewrite the captions the names are built from.
            RefreshAccessibleNames();
            break;
    }
}

void MainWindowHandler::OpenPartsList(const std::string& path) {
    tarvix::OpenPartsList(desktop_, window_, calc_, tracker_, path);
}

void MainWindowHandler::Commit(int field) {
    if (const int k = InputNumber(ids::kInput, field)) {
        calc_.CommitDimension(k);
    } else if (field == ids::kQuantity) {
        calc_.CommitQuantity();
    } else if (field == ids::kDensityEntry) {
        calc_.UserDensityCommitted();
    } else if (field == ids::kKnownValue) {
        calc_.CommitKnownValue();
    }
}

void MainWindowHandler::OnControl(int id, Notification code) {
    // Typed fields: the focus decides what Enter commits; leaving a field with text commits it.
    const bool dimension_or_quantity = InputNumber(ids::kInput, id) != 0 || id == ids::kQuantity;
    if (dimension_or_quantity || id == ids::kDensityEntry || id == ids::kKnownValue) {
        if (code == Notification::kFocusGained) last_focused_ = id;
        if (code == Notification::kFocusLost && dimension_or_quantity &&
            !window_.GetText(id).empty()) {
            Commit(id);
        }
        return;
    }
    if (OnTrackerControl(id)) return;
    if (const int k = InputNumber(ids::kInputMarker, id)) {
        calc_.CommitDimension(k);
    } else if (id == ids::kQuantityMarker) {
        calc_.CommitQuantity();
    } else if (id == ids::kKnownMarker) {
        calc_.CommitKnownValue();
        window_.GiveFocus(ids::kKnownValue);
    } else if (ShapeForOption(id) != 0) {
        calc_.SelectShape(id);
    } else if (id == ids::kSectionList) {
        calc_.SectionRowChosen();
    } else if (id == ids::kSectionFamily) {
        calc_.SectionFamilyChosen();
    } else if (id == ids::kMaterialList) {
        calc_.MaterialChosen();
        calc_.ComputeVolume();
    } else if (IsOneOf(id, {ids::kFamilyMetal, ids::kFamilyPlastic, ids::kFamilyWood,
                            ids::kFamilyOther, ids::kFamilyUser})) {
        calc_.FamilySwitch(id);
        calc_.ComputeVolume();
    } else if (IsOneOf(id, {ids::kDefaultMode, ids::kKnownVolumeMode, ids::kKnownWeightMode})) {
        calc_.SelectInputMode(id);
    } else if (IsOneOf(id, {ids::kInches, ids::kFeet, ids::kMillimeters, ids::kMeters})) {
        calc_.SelectInputUnit(id);
    } else if (IsOneOf(id, {ids::kDecimals1, ids::kDecimals2, ids::kDecimals3})) {
        calc_.SelectDecimals(id);
    } else if (id == ids::kTrackerCheck) {
        ResizeForTracker();
    } else if (id == ids::kHide) {
        window_.Show(ShowCommand::kMinimised);
    } else if (id == ids::kClose) {
        RequestClose();
    } else if (id == ids::kGuide) {
        OpenGuide();
    }
}

void MainWindowHandler::OpenGuide() {
    const std::string path = HelpPagePath(desktop_.ProgramDirectory());
    if (desktop_.ShellOpen(path)) return;
    // Without a program to show it, the user can still open the guide by hand.
    ShowInfo(desktop_, &window_,
             "No program was found to show the guide.\nThe guide is the file " + path);
}

bool MainWindowHandler::OnTrackerControl(int id) {
    switch (id) {
        case ids::kItemPlus:
            tracker_.AddCurrentPart();
            return true;
        case ids::kItemMinus:
            tracker_.RemoveCurrentItem();
            return true;
        case ids::kQtyPlus:
            tracker_.IncreaseQuantity();
            return true;
        case ids::kQtyMinus:
            tracker_.DecreaseQuantity();
            return true;
        case ids::kSolid:
            tracker_.MakeSolid();
            return true;
        case ids::kCavity:
            tracker_.MakeCavity();
            return true;
        case ids::kZero:
            tracker_.ToggleZero();
            return true;
        case ids::kClear:
            tracker_.ClearAssembly();
            return true;
        case ids::kView:
            tracker_.ShowView();
            return true;
        case ids::kSave:
            // Only a file written whole counts as saved for the close question.
            if (SaveAssembly(desktop_, &window_, tracker_.List(), calc_.InputUnit(),
                             calc_.Decimals())) {
                tracker_.MarkSaved();
            }
            return true;
        case ids::kPrint:
            PrintAssembly(desktop_, &window_, tracker_.List(), calc_.InputUnit(), calc_.Decimals());
            return true;
        case ids::kItemList:
            tracker_.ItemDisplay();
            return true;
        default:
            return false;
    }
}

void MainWindowHandler::RequestClose() {
    if (tracker_.Unsaved() &&
        desktop_.ShowMessage(&window_, "Assembly data has not been saved. Close anyway?", "Close",
                             MessageButtons::kYesNo,
                             MessageIcon::kQuestion) != MessageResult::kYes) {
        return;
    }
    running_ = false;
}

void MainWindowHandler::ResizeForTracker() {
    const int width = window_.IsChecked(ids::kTrackerCheck) ? kWideWidth : kNarrowWidth;
    window_.MoveWindow(CentredLeft(desktop_.Screen().width, width), top_, width, kWindowHeight);
}

}  // namespace tarvix
