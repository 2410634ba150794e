#include <gtest/gtest.h>
#include <QAccessible>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "shell/main_window_layout.h"
#include "tests/support/qt_user.h"

namespace tarvix {
namespace {

using namespace ids;

class QtAccessibilityTest : public qt_user::QtUserTest {
  protected:
    // What the reader calls the control: its name, or for a drop-down list its buddy label's.
    QString Name(int id) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget(id));
        if (!face) return {};
        if (face->role() != QAccessible::ComboBox) return face->text(QAccessible::Name);
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
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
};

TEST_F(QtAccessibilityTest, EveryControlIsNamedByItsCaptions) {
    for (const ControlSpec& def : MainWindowControls()) {
        const bool empty_label = def.kind == ControlKind::kLabel && Win().GetText(def.id).empty();
        if (def.kind == ControlKind::kPanel || empty_label) continue;
        EXPECT_FALSE(Name(def.id).isEmpty()) << def.id;
    }
    // The shell's tests follow the names through caption changes; here each widget kind hands on.
    const std::pair<int, const char*> cases[] = {
        {kInput[0], "Outside diameter"}, {kGuide, "Guide"},
        {kWeight, "Unit weight (lb)"},   {kMaterialList, "Material"},
        {kMillimeters, "Millimeters"},   {kUnitsPanel, ""}};
    for (const auto& [id, name] : cases)
        EXPECT_EQ(Name(id).toStdString(), name) << id;
}

// Dimensions left with Tab are committed; the result fields give the reader names and values.
TEST_F(QtAccessibilityTest, ResultFieldsReportTheirValues) {
    TypeAndTab(kInput[0], "1");
    TypeAndTab(kInput[1], "12");
    // clang-format off
    struct Case { int id; const char* name; const char* value; };
    const Case cases[] = {{kVolume, "Unit volume (ci)", "9.425"},
                          {kTotal, "Total weight (lb)", ".919"}, {kInput[1], "Length", "12.000"}};
    // clang-format on
    for (const Case& c : cases) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget(c.id));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name).toStdString() + "=" +
                      face->text(QAccessible::Value).toStdString(),
                  std::string(c.name) + "=" + c.value);
    }
}

// Tab walks each panel row by row as the controls stand; an option group is one stop.
TEST_F(QtAccessibilityTest, TabFollowsThePanelsRows) {
    const std::vector<std::vector<int>> walks = {
        {kFamilyMetal, kMaterialList, kDensityDisplay, kQuantity, kQuantityMarker, kInput[0]},
        {kInches, kDecimals3, kTrackerCheck, kVolume, kWeight, kTotal, kItemList, kItemMaterial},
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

// Why a value was refused or limited: the field's tooltip, and its description for the reader.
TEST_F(QtAccessibilityTest, RefusedAndLimitedValuesSayWhy) {
    QWidget* field = Widget(kInput[0]);
    const std::pair<const char*, const char*> steps[] = {
        {"2+", "Syntax error"}, {"400", "Limited to 100.000 in"}, {"5", ""}};
    for (const auto& [typed, notice] : steps) {
        qt_user::Click(Win(), kInput[0]);  // after 400 the focus has moved on to the length
        qt_user::TypeAndEnter(Win(), kInput[0], typed, typed);
        ASSERT_TRUE(QTest::qWaitFor([&] { return field->toolTip() == notice; }, 5000)) << typed;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
        EXPECT_EQ(face->text(QAccessible::Description).toStdString(), notice);
    }
}

// A reader's toggle action reaches the program as one click; the program's own setting as none.
// (A mouse click's own count is the main window test's.)
TEST_F(QtAccessibilityTest, ToggleActionsCountAsClicks) {
    Toggle(kMillimeters);
    EXPECT_TRUE(Win().IsChecked(kMillimeters));
    EXPECT_EQ(Win().GetText(kInputsCaption), "INPUTS  (MILLIMETERS)");
    EXPECT_EQ(Name(kWeight).toStdString(), "Unit weight (kg)");
    Toggle(kTrackerCheck);
    EXPECT_EQ(Win().Frame()->width(), 592);
    Win().SetChecked(kMeters, true);
    qt_user::Pump();
    EXPECT_EQ(counter_.clicked, (std::vector<int>{kMillimeters, kTrackerCheck}));
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
