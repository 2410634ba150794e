#include "assembly/io/parts_list_lines.h"

#include <gtest/gtest.h>

#include "core/expression_evaluator.h"
#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

TEST(PartsListLines, FieldTextsReadBackToTheSameBits) {
    // The field sums the digits of "0.015625", and of most values typed in millimeters, a bit
    // off; those go as quotients.
    for (double value : {12.0, 0.1, 1.0 / 64, 25 / 25.4, 1.0 / 3, 1234.5678 / 25.4, 1e-7}) {
        const std::string text = ExactFieldText(value);
        EXPECT_EQ(EvaluateFieldText(text).value, value) << text;
    }
    EXPECT_EQ(ExactFieldText(0.1), "0.1");
    EXPECT_EQ(ExactFieldText(1.0 / 64), "1/64");
}

TEST(PartsListLines, LinesAsTarvixCalcReadsThem) {
    AssemblyItem zeroed = MakeItem("ROUND TUBEW", "user", 0, 0, 0, {2, 0.25, 12});
    zeroed.savedWeight = zeroed.savedVolume = -3;
    zeroed.density = 0.25;
    // clang-format off
    struct Case { AssemblyItem item; const char* line; };
    const Case cases[] = {
        {MakeItem("SQUARE", "OAK, RED", 10002, 1, 1, {2, 0.125, 30}),
         "square --units inches --material \"OAK, RED\" --quantity 10000 2 0.125 30 | qty+ | qty+"},
        {zeroed, "\"round tubew\" --units inches --density 0.25 --quantity 1 2 0.25 12 | qty- | "
                 "cavity | zero"},
        // A section of a family goes by its designation.
        {MakeItem("I-BEAM", "STEEL", 1, 1, 1, {0, 0, 0, 96}, "W 8 x 31"),
         "i-beam --units inches --material STEEL --quantity 1 --section \"W 8 x 31\" 96"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PartsListLine(c.item), c.line);
}

}  // namespace
}  // namespace tarvix
