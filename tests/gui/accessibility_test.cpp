#include <gtest/gtest.h>
#include <QAccessible>

#include <map>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "shell/main_window_layout.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

using namespace ids;

// Passes the events on to the program and counts the clicks each control reported.
struct ClickCounter : EventSink {
    void HandleEvent(const Event& event) override {
        if (event.kind == Event::Kind::kControl && event.code == Notification::kClicked)
            ++clicks[event.id];
        if (handler) handler->HandleEvent(event);
    }
    EventSink* handler = nullptr;
    std::map<int, int> clicks;
};

class QtAccessibilityTest : public qt_user::QtUserTest {
  protected:
    void Start() override {
        QtUserTest::Start();
        counter_.handler = &app_->Handler();
        app_->MainWindow().SetEventSink(&counter_);
    }
    // What the reader says the control is: its name, or for a drop-down list, whose name is its
    // entry, the label it is the buddy of.
    QString Name(int id) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget(id));
        if (!face) return {};
        if (face->role() != QAccessible::ComboBox) return face->text(QAccessible::Name);
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    void Click(int id) { qt_user::Click(Win(), id); }
    // Types over the field and leaves it with Tab.
    void TypeAndTab(int id, const char* text) {
        ASSERT_EQ(QApplication::focusWidget(), Widget(id));
        qt_user::TypeOver(Widget(id), text);
        QTest::keyClick(Widget(id), Qt::Key_Tab);
        qt_user::Pump();
    }

    // A screen reader's toggle action on the control.
    void Toggle(int id) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget(id));
        ASSERT_TRUE(face && face->actionInterface());
        face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        qt_user::Pump();
    }

    ClickCounter counter_;
};

TEST_F(QtAccessibilityTest, EveryControlIsNamedByItsCaptions) {
    for (const ControlSpec& def : MainWindowControls()) {
        const bool empty_label = def.kind == ControlKind::kLabel && Win().GetText(def.id).empty();
        if (def.kind == ControlKind::kPanel || empty_label) continue;
        EXPECT_FALSE(Name(def.id).isEmpty()) << def.id;
    }
    // The names themselves are followed through every caption change by the shell's tests; here
    // each kind of widget hands them on, a drop-down list through its label.
    // clang-format off
    struct Case { int id; const char* inches; const char* millimeters; };
    const Case cases[] = {
        {kInput[0], "Outside diameter", "Outside diameter"},
        {kWeight, "Unit weight (lb)", "Unit weight (kg)"},
        {kMillimeters, "Millimeters", "Millimeters"},
        {kMaterialList, "Material", "Material"},
        {kGuide, "Guide", "Guide"},
        {kUnitsPanel, "", ""},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Name(c.id).toStdString(), c.inches) << c.id;
    Click(kMillimeters);
    ASSERT_TRUE(Win().IsChecked(kMillimeters));
    for (const Case& c : cases)
        EXPECT_EQ(Name(c.id).toStdString(), c.millimeters) << c.id;
}

// Typing the dimensions and leaving each with Tab commits it (the program then moves on to the
// next input itself), and the result fields give the reader their names and what they now hold.
TEST_F(QtAccessibilityTest, ResultFieldsReportTheirValues) {
    TypeAndTab(kInput[0], "1");
    TypeAndTab(kInput[1], "12");
    // clang-format off
    struct Case { int id; const char* name; const char* value; };
    const Case cases[] = {
        {kVolume, "Unit volume (ci)", "9.425"},
        {kTotal, "Total weight (lb)", ".919"},
        {kInput[1], "Length", "12.000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget(c.id));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name).toStdString() + "=" +
                      face->text(QAccessible::Value).toStdString(),
                  std::string(c.name) + "=" + c.value);
    }
}

// Tab walks each panel row by row, as the controls stand, not in the order they were made; an
// option group is one stop, at its set option (the arrow keys move within it).
TEST_F(QtAccessibilityTest, TabFollowsThePanelsRows) {
    const std::vector<std::vector<int>> walks = {
        {kFamilyMetal, kMaterialList, kQuantity, kQuantityMarker, kInput[0]},
        {kInches, kDecimals1, kTrackerCheck, kItemList},
        {kQtyMinus, kItemMinus, kItemPlus, kQtyPlus, kZero, kCavity, kSolid, kView, kPrint, kSave,
         kClear, kHide, kClose, kGuide},
    };
    for (const std::vector<int>& walk : walks) {
        Win().GiveFocus(walk.front());
        qt_user::Pump();
        for (std::size_t i = 1; i < walk.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            qt_user::Pump();
            EXPECT_EQ(QApplication::focusWidget(), Widget(walk[i])) << walk[i];
        }
    }
}

// Options and the check box set by a screen reader's toggle action reach the program as the
// user's clicks do, once each; what the program sets itself reaches it not at all.
TEST_F(QtAccessibilityTest, ToggleActionsCountAsClicks) {
    Toggle(kMillimeters);
    EXPECT_TRUE(Win().IsChecked(kMillimeters));
    EXPECT_EQ(Win().GetText(kInputsCaption), "INPUTS  (MILLIMETERS)");
    EXPECT_EQ(Name(kWeight).toStdString(), "Unit weight (kg)");
    Click(kFeet);
    EXPECT_EQ(Win().GetText(kInputsCaption), "INPUTS  (FEET)");
    Toggle(kTrackerCheck);
    EXPECT_EQ(Win().Frame()->width(), 592);
    Click(kTrackerCheck);
    EXPECT_EQ(Win().Frame()->width(), 777);
    Win().SetChecked(kMeters, true);
    qt_user::Pump();
    EXPECT_EQ(counter_.clicks,
              (std::map<int, int>{{kMillimeters, 1}, {kFeet, 1}, {kTrackerCheck, 2}}));
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
