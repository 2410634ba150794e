#include "shell/application.h"

#include <cmath>

#include "core/control_ids.h"
#include "shell/accessible_names.h"
#include "shell/keyboard_shortcuts.h"
#include "shell/main_window_layout.h"

namespace tarvix {

Application::Application(Desktop& desktop, const Settings& settings) : desktop_(desktop) {
    const ScreenSize screen = desktop.Screen();
    const int top = static_cast<int>(std::nearbyint(screen.height * 0.5 - kWindowHeight * 0.5));
    const bool tracker = TrackerOn(settings);
    const int width = tracker ? kWideWidth : kNarrowWidth;
    window_ = desktop.OpenWindow(CentredLeft(screen.width, width), top, width, kWindowHeight,
                                 tracker ? "Tarvix 3.0" : "Tarvix");
    window_->SetBackground(colour::kDarkGrey);
    window_->SetWindowText("Tarvix");
    CreateMainWindowControls(*window_);
    window_->SetChecked(ids::kTrackerCheck, tracker);

    calculator_ = std::make_unique<Calculator>(*window_);
    tracker_ = std::make_unique<AssemblyTracker>(desktop, *window_, *calculator_);
    calculator_->SetDisplayListener(tracker_.get());
    handler_ = std::make_unique<MainWindowHandler>(desktop, *window_, *calculator_, *tracker_, top);
    StartState(settings);
    // The key that opens a list is found where lists are saved; SAVE's own key is added to it.
    window_->SetAccessibleDescription(
        ids::kSave, "Saves the list as a CSV file or a parts list (Ctrl+O opens one)");
    ApplyKeyboardAndGroups(*window_);
    window_->SetTabOrder(MainWindowTabOrder());
    handler_->RefreshAccessibleNames();
    window_->SetEventSink(handler_.get());
    window_->StartTimer(kMainTimer, kMainTimerPeriodMs);
    window_->Show(ShowCommand::kNormal);
}

Application::~Application() {
    Shutdown();
}

void Application::StartState(const Settings& settings) {
    calculator_->ApplyDecimalsSetting(settings.lines[2]);
    calculator_->ApplyUnitSetting(settings.lines[1]);
    window_->ListSetEntryHeight(ids::kMaterialList, 13);
    window_->ListSetEntryHeight(ids::kItemList, 16);
    window_->ListSetEntryHeight(ids::kSectionList, 16);
    window_->SetText(ids::kTitle, "Tarvix V3.0");
    window_->SetText(ids::kFabricationsCaption, "FABRICATIONS");
    window_->SetText(ids::kSolidBarCaption, "SOLID BAR");
    window_->SetText(ids::kTubingCaption, "TUBING");
    window_->SetText(ids::kShapesCaption, "SHAPES");
    window_->SetText(ids::kUnitsSelector, "UNITS SELECTOR");
    window_->SetText(ids::kTrackerCaption, "ASSEMBLY TRACKER");
    window_->SetText(ids::kItemMaterialLabel, "MATERIAL");
    window_->SetText(ids::kItemQuantityLabel, "QUANTITY");
    calculator_->StartState();
}

void Application::Run() {
    while (handler_ && handler_->Running())
        desktop_.WaitAndDispatch();
    Shutdown();
}

void Application::Shutdown() {
    if (!window_) return;
    // The view window closes first, then the main window.
    tracker_->CloseView();
    window_->SetEventSink(nullptr);
    window_->StopTimer(kMainTimer);
    window_.reset();
}

}  // namespace tarvix
