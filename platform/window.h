#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvix {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The program's named colours.
namespace colour {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGreen{0, 136, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kDarkGrey{60, 60, 60};
inline constexpr Rgb kLightGrey{200, 200, 200};
inline constexpr Rgb kInputBackground{250, 255, 250};
inline constexpr Rgb kPaleYellow{250, 250, 220};
inline constexpr Rgb kMarkerGrey{230, 230, 230};
}  // namespace colour

enum class ControlKind {
    kPanel,         // static text without text: a grey rectangle behind other controls
    kCaptionField,  // read-only centred edit with a sunken border, heading a panel
    kLabel,         // centred static text
    kOption,        // automatic radio button
    kCheckBox,      // automatic check box
    kInput,         // editable centred edit field
    kResultField,   // read-only centred edit field
    kList,          // drop-down list, no typing
    kButton,        // self-drawn push button
    kMarker,        // 20 x 12 colour block button without text
    kReportList,    // table with column headers, grid lines, single selection and a border
};

// What a window-wide key does to its control.
enum class ShortcutAction {
    kClick,  // first commits a typed value as leaving its field would, then clicks the control
    kFocus,  // moves the keyboard focus to the control
};

struct FontSpec {
    std::string face;  // empty: the window system's default control font
    int points = 0;
    int weight = 400;  // 700 is bold
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::kPanel;
    std::string_view text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int points = 0;             // font size in points, Tahoma bold; 0 keeps the default font
    bool firstOfGroup = false;  // options: starts a new group
    bool scrolls = true;        // edit fields: scroll horizontally as the text grows
    Rgb textColour = colour::kBlack;
    Rgb background = colour::kLightGrey;
};

// The controls of one window, addressed by control identifier. An identifier the window does not
// hold is ignored by every operation (reads give an empty text, false or -1).
class Window {
  public:
    virtual ~Window() = default;

    virtual void CreateControl(const ControlSpec& def) = 0;

    virtual void SetText(int id, std::string_view text) = 0;
    virtual std::string GetText(int id) const = 0;
    // Edit fields: whether the user has changed the text since the program last wrote it with
    // SetText. Any edit counts (typing, deleting, pasting), even one that ends with the same
    // characters as before.
    virtual bool IsEdited(int id) const = 0;
    virtual void SetColours(int id, Rgb text, Rgb background) = 0;
    virtual void SetFont(int id, const FontSpec& font) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void GiveFocus(int id) = 0;
    virtual void MoveControl(int id, int left, int top, int width, int height) = 0;

    // Options and check boxes. Setting an option clears the other options of its group.
    virtual void SetChecked(int id, bool checked) = 0;
    virtual bool IsChecked(int id) const = 0;

    // Drop-down lists: entries stay in the order appended, never sorted.
    virtual void ListAppend(int id, std::string_view text) = 0;
    virtual void ListDelete(int id, int index) = 0;
    virtual void ListClear(int id) = 0;
    virtual void ListSelect(int id, int index) = 0;
    virtual int ListSelection(int id) const = 0;  // -1 when none
    virtual int ListCount(int id) const = 0;
    virtual void ListSetEntryHeight(int id, int pixels) = 0;

    // What a screen reader announces for the control; nothing is drawn. Windows that have no
    // reader to serve ignore it.
    virtual void SetAccessibleName(int /*id*/, std::string_view /*name*/) {}
    // Edit fields: why the value was refused or changed ("Syntax error", "Limited to 300.000 in"),
    // shown as the field's tooltip and given to screen readers as its description, which they
    // announce when it changes; empty removes it.
    virtual void SetFieldNotice(int /*id*/, std::string_view /*text*/) {}
    // What a screen reader adds when asked about the control, such as a key that goes with it.
    virtual void SetAccessibleDescription(int /*id*/, std::string_view /*text*/) {}
    // The order in which Tab moves through these controls; the others keep their place.
    virtual void SetTabOrder(std::span<const int> /*ids*/) {}
    // A key that works whatever control has the focus ("Ctrl+S", "F1", "Esc"); the control's
    // description names it for a screen reader. Ignored by windows without a keyboard.
    virtual void SetShortcut(int /*id*/, std::string_view /*keys*/, ShortcutAction /*action*/) {}
    // The name a screen reader announces for the option group that starts at this option.
    virtual void SetGroupName(int /*first_option*/, std::string_view /*name*/) {}
    // Report lists: rows of cells under column headers. Texts are shown as given, leading blanks
    // included (the cells align left). Positions out of range are ignored; reads give "" or 0.
    virtual void ReportSetGridLines(int id, bool on) = 0;
    virtual void ReportInsertColumn(int id, int position, std::string_view header, int width) = 0;
    virtual void ReportDeleteColumn(int id, int position) = 0;
    virtual void ReportInsertRow(int id, int row, std::string_view first_cell) = 0;
    virtual void ReportSetCell(int id, int row, int column, std::string_view text) = 0;
    virtual void ReportDeleteAllRows(int id) = 0;
    virtual int ReportColumnCount(int id) const = 0;
    virtual int ReportRowCount(int id) const = 0;
    virtual std::string ReportHeader(int id, int column) const = 0;
    virtual int ReportColumnWidth(int id, int column) const = 0;
    virtual std::string ReportCell(int id, int row, int column) const = 0;
};

}  // namespace tarvix
