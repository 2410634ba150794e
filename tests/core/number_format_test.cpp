#include "core/number_format.h"

#include <string>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(NumberFormatTest, Table) {
    // clang-format off
    struct Case { double value; int decimals; bool grouping; const char* expected; };
    const Case cases[] = {
        {0.0, 3, true, "0"}, {-0.0, 2, false, "0"}, {0.25, 3, false, ".250"},
        // A negative fraction below one shows a blank before its sign.
        {-0.25, 3, true, " -.250"}, {-0.0001, 3, false, " -.000"},
        // Grouping counts from the point; no comma follows the sign.
        {1234567.891, 3, true, "1,234,567.891"}, {1234567.891, 3, false, "1234567.891"},
        {-123.4, 1, true, "-123.4"}, {-123456.7, 1, true, "-123,456.7"},
        {999.9996, 3, true, "1,000.000"},
        // The leading zero goes by the unrounded value: rounded up to one, the one stays.
        {0.9996, 3, false, "1.000"}, {-0.9996, 3, false, "-1.000"}, {0.9994, 3, false, ".999"},
        {0.0001, 3, false, ".000"}, {1e-13, 3, false, ".000"}, {1e-14, 3, false, "0.000"},
        {-1e-14, 3, false, "-0.000"},
        {0.0975, 5, false, ".09750"}, {-1.0, 2, false, "-1.00"}, {2.0 / 3.0, 4, false, ".6667"},
        {1.26, 0, false, "1.3"}, {1.0, 9, false, "1.000000"},  // decimals held to 1..6
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.decimals, c.grouping), c.expected)
            << c.value << ", " << c.decimals << ", " << c.grouping;
    }
}

TEST(NumberFormatTest, HugeValuesKeepEveryDigit) {
    const std::string plain = FormatNumber(1e300, 6, false);
    EXPECT_EQ(plain.size(), 301u + 7u);
    EXPECT_EQ(plain.substr(0, 4) + plain.substr(plain.size() - 7), "1000.000000");
    const std::string grouped = FormatNumber(-1e300, 1, true);
    EXPECT_EQ(grouped.substr(0, 6), "-1,000");
    EXPECT_EQ(grouped.size(), 1u + 301u + 100u + 2u);
}

}  // namespace
}  // namespace tarvix
