#include "assembly/io/parts_list_lines.h"

#include <gtest/gtest.h>

#include <cstring>

#include "assembly/assembly_operations.h"
#include "core/expression_evaluator.h"
#include "core/section_tables.h"
#include "tests/assembly_io/assembly_items.h"

namespace tarvix {
namespace {

using testing::MakeItem;

TEST(PartsListLines, FieldTextsReadBackToTheSameBits) {
    // clang-format off
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {12, "12"}, {0.1, "0.1"}, {0, "0"},
        // The field sums the digits of "0.015625" a bit off, and of a value typed in
        // millimeters; the quotients read exactly.
        {1.0 / 64, "1/64"}, {25 / 25.4, "277042299912063/281474976710656"},
        {1.0 / 3, nullptr}, {33.3 / 25.4, nullptr}, {1234.5678 / 25.4, nullptr},
        {0.0001 / 0.0254, nullptr}, {7.85 / 27.679904842545276, nullptr}, {1e-7, nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string text = ExactFieldText(c.value);
        const Evaluation read = EvaluateFieldText(text);
        EXPECT_TRUE(read.Ok()) << text;
        EXPECT_EQ(std::memcmp(&read.value, &c.value, sizeof(double)), 0) << text;
        if (c.text) {
            EXPECT_EQ(text, c.text);
        }
    }
}

TEST(PartsListLines, OneLinePerItemRebuildsItsStateAndSection) {
    AssemblyItem cavity = MakeItem("ROUND", "OAK, RED", 4, -1, -2, {1.5, 12});
    AssemblyItem zeroed = MakeItem("ROUND TUBEW", "user", 0, 0, 0, {2, 0.25, 12});
    zeroed.savedWeight = zeroed.savedVolume = 3;
    zeroed.density = 0.25;
    const std::string pipe_40 =
        SectionDescription("PIPE", SectionRows(SectionTable::kPipe)[40].designation);
    AssemblyItem many = MakeItem("SQUARE", "STEEL", 10002, 1, 1, {2, 0.125, 30});
    // clang-format off
    struct Case { AssemblyItem item; const char* line; };
    const Case cases[] = {
        {cavity, "round --units inches --material \"OAK, RED\" --quantity 4 1.5 12 | cavity"},
        {zeroed, "\"round tubew\" --units inches --density 0.25 --quantity 1 2 0.25 12 | qty- | zero"},
        // The fillet is typed second and stored second; the length stored third.
        {many, "square --units inches --material STEEL --quantity 10000 2 0.125 30 | qty+ | qty+"},
        {MakeItem("PIPE", "STEEL", 2, 1, 1, {0, 0, 0, 120}, pipe_40),
         "pipe --units inches --material STEEL --quantity 2 --row 40 120"},
        // A section of a family goes by its designation.
        {MakeItem("I-BEAM", "STEEL", 1, 1, 1, {0, 0, 0, 96}, "W 8 x 31"),
         "i-beam --units inches --material STEEL --quantity 1 --section \"W 8 x 31\" 96"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(PartsListLine(c.item), c.line);

    AssemblyList list;
    list.items[0] = cavity;
    list.items[1] = many;
    list.lastIndex = 1;
    EXPECT_EQ(PartsListBytes(list),
              std::string("# Tarvix parts list\n") + cases[0].line + "\n" + cases[2].line + "\n");
}

TEST(PartsListLines, PartsListPaths) {
    for (const char* path : {"job.tarvix", "/a/JOB.Tarvix", ".tarvix"})
        EXPECT_TRUE(IsPartsListPath(path)) << path;
    for (const char* path : {"job.csv", "job.tarvix.txt", "tarvix", "/a.tarvix/job", "job.tarvi"})
        EXPECT_FALSE(IsPartsListPath(path)) << path;
}

}  // namespace
}  // namespace tarvix
