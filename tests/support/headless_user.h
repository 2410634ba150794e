#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "platform/headless_desktop.h"
#include "platform/headless_window.h"
#include "shell/application.h"

namespace tarvix {

// A started program on an in-memory desktop, driven by clicks, list picks, and typing and Enter.
class HeadlessUserTest : public ::testing::Test {
  protected:
    using Lines = std::array<std::string, 3>;
    static Lines Defaults() {
        return {"assemblytracker=on", "weightunits=inches", "weightdecimals=3"};
    }

    void SetUp() override { Start(); }
    // A fresh desktop of this screen size and program with these settings lines.
    void Start(const Lines& lines = Defaults(), ScreenSize screen = {1024, 768}) {
        app_.reset();
        desktop_ = std::make_unique<HeadlessDesktop>();
        desktop_->SetScreen(screen);
        app_ = std::make_unique<Application>(*desktop_, Settings{lines});
    }

    HeadlessDesktop& Desktop() { return *desktop_; }
    HeadlessWindow& Win() { return static_cast<HeadlessWindow&>(app_->MainWindow()); }
    std::string Text(int id) { return Win().GetText(id); }
    // The texts of the controls, joined by "|".
    std::string Texts(const std::vector<int>& controls) {
        std::string all;
        for (int id : controls)
            all += "|" + Text(id);
        return all.substr(all.empty() ? 0 : 1);
    }
    std::string LastMessage() {
        return desktop_->Messages().empty() ? "" : desktop_->Messages().back().text;
    }

    void Click(int id) {
        Win().SetChecked(id, true);
        Win().Deliver(Event{Event::Kind::kControl, id, Notification::kClicked});
    }
    void Pick(int list, int index) {
        Win().ListSelect(list, index);
        Win().Deliver(Event{Event::Kind::kControl, list, Notification::kListActivity});
    }
    // Clicks into the field and presses Enter, leaving its text as it stands.
    void Recommit(int field) {
        Win().GiveFocus(field);
        Win().Deliver(Event{Event::Kind::kControl, field, Notification::kFocusGained});
        desktop_->PressEnter();
        Win().Deliver(Event{Event::Kind::kTimer, kMainTimer, Notification::kClicked});
    }
    void Type(int field, const std::string& text) {
        Win().Type(field, text);
        Recommit(field);
    }

    std::unique_ptr<HeadlessDesktop> desktop_;
    std::unique_ptr<Application> app_;
};

}  // namespace tarvix
