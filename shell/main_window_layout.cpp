#include "shell/main_window_layout.h"

#include <array>
#include <string_view>

namespace tarvix {
namespace {

using colour::kBlack;
using colour::kInputBackground;
using colour::kLightGrey;
using colour::kMarkerGrey;
using colour::kRed;

// Faces of the push buttons, one per row of related buttons.
constexpr Rgb kItemFace{236, 234, 213};
constexpr Rgb kStateFace{255, 245, 245};
constexpr Rgb kFileFace{245, 255, 245};
constexpr Rgb kWindowFace{245, 245, 255};

constexpr ControlSpec Panel(int id, int left, int top, int width, int height) {
    return {.id = id,
            .kind = ControlKind::kPanel,
            .text = {},
            .left = left,
            .top = top,
            .width = width,
            .height = height};
}

// Read-only headings never scroll: the program writes them and they always fit.
constexpr ControlSpec Caption(int id, int left, int top, int width, int height, int points) {
    return {.id = id,
            .kind = ControlKind::kCaptionField,
            .text = {},
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .points = points,
            .scrolls = false};
}

constexpr ControlSpec Label(int id, std::string_view text, int left, int top, int width,
                            int height) {
    return {.id = id,
            .kind = ControlKind::kLabel,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .points = 8};
}

constexpr ControlSpec Option(int id, std::string_view text, int left, int top, int width,
                             bool first_of_group = false) {
    return {.id = id,
            .kind = ControlKind::kOption,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = 20,
            .points = 8,
            .firstOfGroup = first_of_group};
}

constexpr ControlSpec Input(int id, std::string_view text, int left, int top, int width,
                            bool scrolls = true) {
    return {.id = id,
            .kind = ControlKind::kInput,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = 25,
            .points = 9,
            .scrolls = scrolls,
            .background = kInputBackground};
}

constexpr ControlSpec Result(int id, std::string_view text, int left, int top, int width,
                             int points, bool scrolls = false) {
    return {.id = id,
            .kind = ControlKind::kResultField,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = 25,
            .points = points,
            .scrolls = scrolls,
            .background = kInputBackground};
}

// The height is that of the opened list.
constexpr ControlSpec List(int id, int left, int top, int width, int height, int points) {
    return {.id = id,
            .kind = ControlKind::kList,
            .text = {},
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .points = points,
            .background = kInputBackground};
}

constexpr ControlSpec Marker(int id, int left, int top, Rgb text = kRed,
                             Rgb background = kMarkerGrey) {
    return {.id = id,
            .kind = ControlKind::kMarker,
            .text = {},
            .left = left,
            .top = top,
            .width = 20,
            .height = 12,
            .points = 8,
            .textColour = text,
            .background = background};
}

constexpr ControlSpec Button(int id, std::string_view text, int left, int top, int width,
                             Rgb face) {
    return {.id = id,
            .kind = ControlKind::kButton,
            .text = text,
            .left = left,
            .top = top,
            .width = width,
            .height = 25,
            .points = 8,
            .background = face};
}

constexpr ControlSpec kControls[] = {
    // Title area.
    Panel(175, 170, 500, 225, 29),
    Caption(255, 170, 500, 225, 29, 12),

    // Left panel: shape choice and section list.
    Panel(181, 5, 5, 160, 537),
    Label(304, "", 10, 24, 140, 16),
    Label(305, "", 10, 8, 150, 16),
    List(303, 10, 40, 150, 497, 0),
    // The family chooser covers the first caption line; its first entry names the built-in table.
    List(340, 10, 6, 150, 260, 8),
    Caption(306, 10, 70, 135, 30, 10),
    Option(294, "PIPE", 10, 95, 60, true),
    Option(292, "ANGLES", 10, 115, 70),
    Option(293, "CHANNELS", 80, 95, 83),
    Option(295, "I-BEAMS", 80, 115, 83),
    Caption(237, 10, 140, 145, 30, 10),
    Option(186, "HEXAGONAL", 10, 165, 110),
    Option(187, "OCTAGONAL", 10, 185, 110),
    Option(188, "RECTANGULAR", 10, 205, 125),
    Option(189, "SQUARE", 10, 225, 90),
    Option(190, "ROUND", 10, 245, 85),
    Caption(238, 10, 268, 135, 30, 10),
    Option(191, "ROUND/OD-ID", 10, 293, 125),
    Option(192, "ROUND/OD-WALL", 10, 313, 140),
    Option(193, "SQUARE", 10, 333, 90),
    Option(194, "RECTANGULAR", 10, 353, 125),
    Caption(239, 10, 375, 135, 30, 10),
    Option(195, "SPHERE", 10, 400, 85),
    Option(196, "HOLLOW SPHERE", 10, 420, 135),
    Option(197, "PYRAMID (4 SIDES)", 10, 440, 145),
    Option(198, "CONE", 10, 460, 70),
    Option(199, "CONE FRUSTUM", 10, 480, 130),
    Option(200, "SPHERICAL CAP", 10, 500, 130),
    Option(290, "TORUS (DONUT)", 10, 520, 130),

    // Material panel. The density entry field waits parked with zero size until the user-defined
    // family swaps it with the density display.
    Panel(180, 170, 5, 305, 90),
    List(185, 185, 60, 140, 300, 8),
    Result(259, "", 375, 50, 90, 9, true),
    {.id = 260,
     .kind = ControlKind::kInput,
     .text = "Material Density User",
     .left = 750,
     .top = 475,
     .points = 9,
     .background = kInputBackground},
    Marker(262, 410, 78),
    Caption(261, 380, 30, 80, 25, 10),
    Option(240, "METAL", 175, 10, 80, true),
    Option(241, "PLASTIC", 260, 10, 85),
    Option(242, "WOOD", 175, 30, 80),
    Option(243, "OTHER", 260, 30, 85),
    Option(244, "USER-DEFINED", 350, 10, 120),

    // Inputs panel.
    Panel(179, 170, 100, 225, 290),
    Caption(253, 185, 100, 180, 30, 8),
    Input(201, "First Input", 180, 160, 95),
    Input(202, "Second Input", 290, 160, 95),
    Input(203, "Third Input", 180, 250, 95),
    Input(204, "Fourth Input", 290, 250, 95),
    Input(205, "Fifth Input", 180, 340, 95),
    Input(206, "Sixth Input", 290, 340, 95),
    Label(207, "", 180, 144, 95, 18),
    Label(208, "", 180, 128, 95, 18),
    Label(209, "", 290, 144, 95, 18),
    Label(210, "", 290, 128, 95, 18),
    Label(211, "", 180, 234, 95, 18),
    Label(212, "", 180, 218, 95, 18),
    Label(213, "", 290, 234, 95, 18),
    Label(214, "", 290, 218, 95, 18),
    Label(215, "", 180, 324, 95, 18),
    Label(216, "", 180, 308, 95, 18),
    Label(218, "", 290, 308, 95, 18),
    Label(217, "", 290, 324, 95, 18),
    Marker(219, 220, 188),
    Marker(220, 325, 188),
    Marker(221, 220, 278),
    Marker(222, 325, 278),
    Marker(223, 220, 368),
    Marker(224, 325, 368),

    // Units panel. The units caption is kept for the program's bookkeeping but never shows.
    Panel(176, 170, 395, 225, 100),
    Caption(252, 0, 0, 0, 0, 8),
    Option(245, "INCHES", 195, 402, 80, true),
    Option(246, "FEET", 195, 422, 65),
    Option(247, "MILLIMETERS", 280, 402, 105),
    Option(248, "METERS", 280, 422, 75),
    {.id = 307,
     .kind = ControlKind::kCheckBox,
     .text = "ASSEMBLY TRACKER",
     .left = 220,
     .top = 476,
     .width = 140,
     .height = 16,
     .points = 8},
    Label(311, "DECIMALS:", 180, 452, 73, 20),
    Option(308, "1", 260, 450, 35, true),
    Option(309, "2", 302, 450, 35),
    Option(310, "3", 344, 450, 35),

    // Quantity panel.
    Panel(177, 480, 5, 105, 90),
    Input(235, "Quantity", 487, 40, 90),
    Label(234, "QUANTITY", 487, 20, 90, 18),
    Marker(236, 522, 68, kBlack),

    // Results panel.
    Panel(178, 400, 100, 185, 228),
    Caption(254, 417, 100, 150, 30, 8),
    Label(228, "UNIT", 417, 131, 150, 18),
    Label(229, "", 417, 147, 150, 18),
    Result(225, "", 417, 165, 150, 9),
    Result(226, "Weight", 417, 230, 150, 9),
    Label(230, "UNIT", 417, 196, 150, 18),
    Label(231, "", 417, 212, 150, 18),
    Result(227, "Weight", 407, 300, 170, 9),
    Label(232, "TOTAL", 407, 266, 170, 18),
    Label(233, "", 407, 282, 170, 18),

    // Input mode panel. The known-value field takes no more text than it can show.
    Panel(182, 400, 333, 185, 162),
    Option(249, "DEFAULT INPUT MODE", 410, 343, 175, true),
    Option(250, "USER INPUT VOLUME", 410, 368, 175),
    Option(251, "USER INPUT WEIGHT", 410, 393, 175),
    Input(258, "", 442, 445, 100, false),
    Label(256, "", 437, 428, 110, 18),
    Marker(257, 482, 473, kBlack, kLightGrey),

    // Assembly tracker panel; the narrow window cuts it off but keeps it.
    Panel(263, 590, 5, 180, 537),
    Caption(264, 590, 5, 180, 30, 10),
    Result(266, "", 605, 98, 150, 8),
    Label(267, "", 605, 80, 150, 18),
    List(265, 595, 40, 170, 300, 8),
    Result(268, "", 635, 148, 90, 8),
    Label(269, "", 595, 130, 170, 18),
    Result(270, "", 610, 198, 140, 8),
    Label(271, "", 595, 180, 170, 18),
    Result(272, "", 610, 248, 140, 8),
    Label(273, "", 595, 230, 170, 18),
    Result(274, "", 610, 298, 140, 8),
    Label(275, "", 595, 280, 170, 18),
    Result(276, "", 610, 348, 140, 8),
    Label(277, "", 595, 330, 170, 18),
    Result(278, "", 610, 398, 140, 8),
    Label(279, "", 595, 380, 170, 18),
    Button(281, "ITEM+", 682, 449, 45, kItemFace),
    Button(286, "ITEM-", 636, 449, 45, kItemFace),
    Button(284, "QTY+", 727, 449, 39, kItemFace),
    Button(285, "QTY-", 596, 449, 39, kItemFace),
    Button(282, "SOLID", 710, 479, 55, kStateFace),
    Button(287, "CAVITY", 653, 479, 55, kStateFace),
    Button(283, "ZERO", 596, 479, 55, kStateFace),
    Button(288, "VIEW", 592, 509, 40, kFileFace),
    Button(280, "CLEAR", 723, 509, 45, kFileFace),
    Button(313, "PRINT", 634, 509, 45, kFileFace),
    Button(314, "SAVE", 681, 509, 40, kFileFace),

    // Window buttons.
    Panel(312, 400, 500, 185, 42),
    Button(183, "HIDE", 403, 509, 57, kWindowFace),
    Button(184, "CLOSE", 463, 509, 57, kWindowFace),
    Button(315, "GUIDE", 523, 509, 57, kWindowFace),
};

static_assert(std::size(kControls) == 133);

}  // namespace

std::span<const ControlSpec> MainWindowControls() {
    return kControls;
}

void CreateMainWindowControls(Window& window) {
    for (const ControlSpec& def : kControls)
        window.CreateControl(def);
}

}  // namespace tarvix
