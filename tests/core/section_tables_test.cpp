#include "core/section_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvix {
namespace {

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The ends of each table and of its runs; bar sizes kept to thousandths as shown (3/16 is .188).
TEST(SectionTablesTest, SpotRows) {
    // clang-format off
    struct Case { SectionTable table; std::size_t index; std::string designation;
                  std::array<double, 4> numbers; };
    const Case cases[] = {
        {SectionTable::kAngle, 0, "1/2 x 1/2 x 1/8", {0.38, 0.5, 0.5, 0.125}},
        {SectionTable::kAngle, 69, "3 1/2 x 3 x 5/16", {6.6, 3.5, 3.0, 0.313}},
        {SectionTable::kAngle, 133, "9 x 4 x 1/2", {21.3, 9.0, 4.0, 0.5}},
        {SectionTable::kChannel, 0, "3/4 x 3/8 x 1/8", {0.56, 0.75, 0.375, 0.125}},
        {SectionTable::kChannel, 12, "2 1/2 x 5/8 x 3/16", {2.27, 2.5, 0.625, 0.188}},
        {SectionTable::kChannel, 13, "C3 x 4.1", {4.1, 3.0, 1.41, 0.17}},
        {SectionTable::kChannel, 42, "C15 x 50", {50.0, 15.0, 3.716, 0.716}},
        {SectionTable::kChannel, 43, "MC3 x 7.1", {7.1, 3.0, 1.938, 0.312}},
        {SectionTable::kChannel, 76, "MC18 x 58", {58.0, 18.0, 4.2, 0.7}},
        {SectionTable::kIBeam, 0, "S3 x 5.7", {5.7, 3.0, 2.33, 0.17}},
        {SectionTable::kIBeam, 29, "S24 x 106", {106.0, 24.5, 7.87, 0.62}},
        {SectionTable::kIBeam, 30, "S24 x 121", {121.0, 24.5, 8.05, 0.8}},
        {SectionTable::kPipe, 0, "  5" + Blanks(14) + "1/8", {0.405, 0.035, 0.0, 0.0}},
        {SectionTable::kPipe, 30, "  5" + Blanks(13) + "1 1/4", {1.66, 0.065, 0.0, 0.0}},
        {SectionTable::kPipe, 64, "  XXS" + Blanks(9) + "3 1/2", {4.0, 0.636, 0.0, 0.0}},
        {SectionTable::kPipe, 175, "  30" + Blanks(13) + "30", {30.0, 0.625, 0.0, 0.0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto rows = SectionRows(c.table);
        ASSERT_LT(c.index, rows.size()) << c.designation;
        EXPECT_EQ(rows[c.index].designation, c.designation) << "row " << c.index;
        EXPECT_EQ(rows[c.index].numbers, c.numbers) << c.designation;
    }
}

// Pipe rows: schedule and size eight characters each, sizes ascend, bores open, schedules in order.
TEST(SectionTablesTest, PipeDesignationsAndSchedules) {
    const std::vector<std::string> order = {"5",  "10",  "20",  "30",  "40",  "60",
                                            "80", "100", "120", "140", "160", "XXS"};
    std::string previous_size, previous_schedule;
    double previous_diameter = 0.0;
    for (const SectionRow& row : SectionRows(SectionTable::kPipe)) {
        const std::string_view text = row.designation;
        ASSERT_GE(text.size(), 18u) << '"' << text << '"';
        ASSERT_LE(text.size(), 21u) << '"' << text << '"';
        const std::string schedule = Trim(text.substr(0, 8));
        const std::string size = Trim(text.substr(text.size() - 8));
        const std::size_t gap = text.size() - 2 - schedule.size() - size.size();
        EXPECT_EQ(text, "  " + schedule + Blanks(gap) + size);
        EXPECT_GE(row.numbers[0], previous_diameter) << text;
        EXPECT_LT(2.0 * row.numbers[1], row.numbers[0]) << text;
        const auto rank = std::find(order.begin(), order.end(), schedule);
        ASSERT_NE(rank, order.end()) << text;
        EXPECT_TRUE(size != previous_size ||
                    rank > std::find(order.begin(), order.end(), previous_schedule))
            << text;
        previous_diameter = row.numbers[0];
        previous_size = size;
        previous_schedule = schedule;
    }
}

}  // namespace
}  // namespace tarvix
