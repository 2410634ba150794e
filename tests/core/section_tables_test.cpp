#include "core/section_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace tarvix {
namespace {

using Numbers = std::array<double, 4>;

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Reads "1 1/4 x 1/2 x 1/8" on its own terms, to check the stored dimensions against the text.
std::vector<double> DesignationNumbers(const std::string& designation) {
    std::vector<double> numbers(1, 0.0);
    const char* text = designation.c_str();
    int consumed = 0;
    while (*text != '\0') {
        int a = 0;
        int b = 0;
        if (std::sscanf(text, " x%n", &consumed) == 0 && consumed > 0) {
            numbers.push_back(0.0);
        } else if (std::sscanf(text, "%d/%d%n", &a, &b, &consumed) == 2) {
            numbers.back() += static_cast<double>(a) / b;
        } else if (std::sscanf(text, "%d%n", &a, &consumed) == 1) {
            numbers.back() += a;
        } else {
            consumed = 1;  // the blank between a whole number and its fraction
        }
        text += consumed;
        consumed = 0;
    }
    return numbers;
}

TEST(SectionTablesTest, RowCountsCaptionsAndFonts) {
    struct Case {
        SectionTable table;
        std::size_t rows;
        std::string_view title1;
        std::string_view title2;
        std::string_view font;
    };
    const Case cases[] = {
        {SectionTable::kPipe, 176, "STEEL PIPES", "schedule           size         ", "Verdana"},
        {SectionTable::kAngle, 134, "", "ANGLES", "Tahoma"},
        {SectionTable::kChannel, 77, "", "CHANNELS", "Tahoma"},
        {SectionTable::kIBeam, 31, "", "I-BEAMS", "Tahoma"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SectionRows(c.table).size(), c.rows) << c.title2;
        EXPECT_EQ(SectionTitle1(c.table), c.title1);
        EXPECT_EQ(SectionTitle2(c.table), c.title2);
        EXPECT_EQ(SectionFontFace(c.table), c.font);
        // Built once: later calls see the same rows.
        EXPECT_EQ(SectionRows(c.table).data(), SectionRows(c.table).data());
    }
}

TEST(SectionTablesTest, SpotRows) {
    struct Case {
        SectionTable table;
        std::size_t index;
        std::string designation;
        Numbers numbers;
    };
    const Case cases[] = {
        {SectionTable::kAngle, 0, "1/2 x 1/2 x 1/8", {0.38, 0.5, 0.5, 0.125}},
        {SectionTable::kAngle, 13, "1 3/8 x 7/8 x 1/8", {0.91, 1.375, 0.875, 0.125}},
        {SectionTable::kAngle, 45, "2 1/2 x 2 1/2 x 3/16", {3.07, 2.5, 2.5, 0.188}},
        {SectionTable::kAngle, 69, "3 1/2 x 3 x 5/16", {6.6, 3.5, 3.0, 0.313}},
        {SectionTable::kAngle, 118, "6 x 6 x 1", {37.4, 6.0, 6.0, 1.0}},
        {SectionTable::kAngle, 133, "9 x 4 x 1/2", {21.3, 9.0, 4.0, 0.5}},
        {SectionTable::kChannel, 0, "3/4 x 3/8 x 1/8", {0.56, 0.75, 0.375, 0.125}},
        {SectionTable::kChannel, 8, "2 x 9/16 x 3/16", {1.86, 2.0, 0.563, 0.188}},
        {SectionTable::kChannel, 12, "2 1/2 x 5/8 x 3/16", {2.27, 2.5, 0.625, 0.188}},
        {SectionTable::kChannel, 13, "C3 x 4.1", {4.1, 3.0, 1.41, 0.17}},
        {SectionTable::kChannel, 42, "C15 x 50", {50.0, 15.0, 3.716, 0.716}},
        {SectionTable::kChannel, 43, "MC3 x 7.1", {7.1, 3.0, 1.938, 0.312}},
        {SectionTable::kChannel, 76, "MC18 x 58", {58.0, 18.0, 4.2, 0.7}},
        {SectionTable::kIBeam, 0, "S3 x 5.7", {5.7, 3.0, 2.33, 0.17}},
        {SectionTable::kIBeam, 28, "S24 x 100", {100.0, 24.0, 7.245, 0.745}},
        {SectionTable::kIBeam, 29, "S24 x 106", {106.0, 24.5, 7.87, 0.62}},
        {SectionTable::kIBeam, 30, "S24 x 121", {121.0, 24.5, 8.05, 0.8}},
        {SectionTable::kPipe, 0, "  5" + Blanks(14) + "1/8", {0.405, 0.035, 0.0, 0.0}},
        {SectionTable::kPipe, 28, "  160" + Blanks(12) + "1", {1.315, 0.25, 0.0, 0.0}},
        {SectionTable::kPipe, 30, "  5" + Blanks(13) + "1 1/4", {1.66, 0.065, 0.0, 0.0}},
        {SectionTable::kPipe, 64, "  XXS" + Blanks(9) + "3 1/2", {4.0, 0.636, 0.0, 0.0}},
        {SectionTable::kPipe, 110, "  XXS" + Blanks(11) + "10", {10.75, 1.0, 0.0, 0.0}},
        {SectionTable::kPipe, 123, "  10" + Blanks(13) + "14", {14.0, 0.25, 0.0, 0.0}},
        {SectionTable::kPipe, 175, "  30" + Blanks(13) + "30", {30.0, 0.625, 0.0, 0.0}},
    };
    for (const Case& c : cases) {
        const auto rows = SectionRows(c.table);
        ASSERT_LT(c.index, rows.size()) << c.designation;
        EXPECT_EQ(rows[c.index].designation, c.designation) << "row " << c.index;
        for (std::size_t i = 0; i < c.numbers.size(); ++i) {
            EXPECT_DOUBLE_EQ(rows[c.index].numbers[i], c.numbers[i]) << c.designation << " #" << i;
        }
    }
}

TEST(SectionTablesTest, BarSizeDimensionsFollowTheirDesignation) {
    std::vector<SectionRow> rows(SectionRows(SectionTable::kAngle).begin(),
                                 SectionRows(SectionTable::kAngle).end());
    const auto channels = SectionRows(SectionTable::kChannel);
    rows.insert(rows.end(), channels.begin(), channels.begin() + 13);
    for (const SectionRow& row : rows) {
        const std::vector<double> numbers = DesignationNumbers(row.designation);
        ASSERT_EQ(numbers.size(), 3u) << row.designation;
        EXPECT_GT(row.numbers[0], 0.0) << row.designation;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(row.numbers[i + 1], std::round(numbers[i] * 1000.0) / 1000.0)
                << row.designation << " #" << i + 1;
        }
    }
}

// Schedules and walls per nominal size, read back from the designations.
std::map<std::string, std::vector<std::pair<std::string, double>>> PipeSchedules() {
    std::map<std::string, std::vector<std::pair<std::string, double>>> sizes;
    for (const SectionRow& row : SectionRows(SectionTable::kPipe)) {
        const std::string_view text = row.designation;
        const std::string schedule(Trim(text.substr(0, 8)));
        const std::string size(Trim(text.substr(text.size() - 8)));
        sizes[size].emplace_back(schedule, row.numbers[1]);
    }
    return sizes;
}

TEST(SectionTablesTest, PipeDesignationsSplitIntoScheduleAndSize) {
    double previous_diameter = 0.0;
    for (const SectionRow& row : SectionRows(SectionTable::kPipe)) {
        const std::string_view text = row.designation;
        ASSERT_GE(text.size(), 18u) << '"' << text << '"';
        ASSERT_LE(text.size(), 21u) << '"' << text << '"';
        const std::string_view schedule = Trim(text.substr(0, 8));
        const std::string_view size = Trim(text.substr(text.size() - 8));
        // Only blanks around and between the two, so each sits wholly inside its eight characters.
        const std::size_t gap = text.size() - 2 - schedule.size() - size.size();
        EXPECT_EQ(text, "  " + std::string(schedule) + Blanks(gap) + std::string(size));
        EXPECT_GE(row.numbers[0], previous_diameter) << "sizes ascend";
        EXPECT_LT(2.0 * row.numbers[1], row.numbers[0]) << "bore stays open";
        previous_diameter = row.numbers[0];
    }
}

TEST(SectionTablesTest, PipeSchedulesPerSize) {
    using Schedules = std::vector<std::pair<std::string, double>>;
    const auto sizes = PipeSchedules();
    EXPECT_EQ(sizes.size(), 24u);
    const std::vector<std::string> order = {"5",  "10",  "20",  "30",  "40",  "60",
                                            "80", "100", "120", "140", "160", "XXS"};
    for (const auto& [size, schedules] : sizes) {
        auto next = order.begin();
        for (const auto& schedule : schedules) {
            next = std::find(next, order.end(), schedule.first);
            ASSERT_NE(next, order.end()) << size << " " << schedule.first << " out of order";
            ++next;
        }
    }
    EXPECT_EQ(sizes.at("30"), (Schedules{{"10", 0.312}, {"20", 0.5}, {"30", 0.625}}));
    const Schedules three_and_a_half = {
        {"5", 0.083}, {"10", 0.12}, {"40", 0.226}, {"80", 0.318}, {"XXS", 0.636}};
    EXPECT_EQ(sizes.at("3 1/2"), three_and_a_half);
    // The XXS wall of the big sizes is not the thickest, yet it stays last.
    const struct {
        std::string size;
        double xxs;
        double schedule_160;
    } xxs_cases[] = {{"8", 0.875, 0.906}, {"10", 1.0, 1.125}, {"12", 1.0, 1.312}};
    for (const auto& c : xxs_cases) {
        const Schedules& schedules = sizes.at(c.size);
        ASSERT_EQ(schedules.size(), 12u) << c.size;
        EXPECT_EQ(schedules[10], std::make_pair(std::string("160"), c.schedule_160)) << c.size;
        EXPECT_EQ(schedules[11], std::make_pair(std::string("XXS"), c.xxs)) << c.size;
    }
    for (const char* size : {"14", "16", "18", "20", "24", "30"}) {
        EXPECT_EQ(sizes.at(size).front().first, "10") << size << " has no schedule 5";
    }
}

}  // namespace
}  // namespace tarvix
