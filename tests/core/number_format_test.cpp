#include "core/number_format.h"

#include <string>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

struct FormatCase {
    double value;
    int decimals;
    bool grouping;
    std::string expected;
};

TEST(NumberFormatTest, Table) {
    const FormatCase cases[] = {
        {0.0, 3, true, "0"},
        {-0.0, 2, false, "0"},
        {0.0, 6, false, "0"},
        {0.25, 3, false, ".250"},
        {-0.25, 3, false, " -.250"},
        {-0.25, 3, true, " -.250"},
        {1234567.891, 3, true, "1,234,567.891"},
        {1234567.891, 3, false, "1234567.891"},
        {-1234.5, 1, true, "-1,234.5"},
        {-123.4, 1, true, "-123.4"},
        {-123456.7, 1, true, "-123,456.7"},
        {123456.7, 1, true, "123,456.7"},
        {1000.0, 2, true, "1,000.00"},
        {999.9996, 3, true, "1,000.000"},
        {0.9996, 3, false, "1.000"},
        {-0.9996, 3, false, "-1.000"},
        {0.9994, 3, false, ".999"},
        {0.0001, 3, false, ".000"},
        {-0.0001, 3, false, " -.000"},
        {1e-14, 3, false, "0.000"},
        {-1e-14, 3, false, "-0.000"},
        {1e-13, 3, false, ".000"},
        {0.0975, 5, false, ".09750"},
        {0.2836 * 27.6799, 5, false, "7.85002"},
        {0.001 * 27.6799, 5, false, ".02768"},
        {5.0 * 27.6799, 5, false, "138.39950"},
        {9.42477796, 3, true, "9.425"},
        {12.0, 1, true, "12.0"},
        {1.0, 1, false, "1.0"},
        {-1.0, 2, false, "-1.00"},
        {0.5, 6, false, ".500000"},
        {2.0 / 3.0, 4, false, ".6667"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << ", " << c.decimals << ", " << c.grouping);
        EXPECT_EQ(FormatNumber(c.value, c.decimals, c.grouping), c.expected);
    }
}

TEST(NumberFormatTest, HugeValuesKeepEveryDigit) {
    const std::string plain = FormatNumber(1e300, 6, false);
    EXPECT_EQ(plain.size(), 301u + 7u);
    EXPECT_EQ(plain.substr(0, 4), "1000");
    EXPECT_EQ(plain.substr(plain.size() - 7), ".000000");

    const std::string grouped = FormatNumber(-1e300, 1, true);
    EXPECT_EQ(grouped.substr(0, 6), "-1,000");
    EXPECT_EQ(grouped.size(), 1u + 301u + 100u + 2u);
}

TEST(NumberFormatTest, WholeNumbers) {
    const std::pair<int, std::string> cases[] = {
        {0, "0"}, {1, "1"}, {250, "250"}, {10000, "10000"}, {-42, "-42"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(FormatWhole(value), expected);
    }
}

}  // namespace
}  // namespace tarvix
