#include "core/expression_evaluator.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

struct Case {
    std::string text;
    double value;  // checked only when the error is kNone
    EvalError error;
};

void ExpectCases(const std::vector<Case>& cases, Evaluation (*evaluate)(std::string_view)) {
    for (const Case& c : cases) {
        SCOPED_TRACE("text: '" + c.text + "'");
        const Evaluation result = evaluate(c.text);
        EXPECT_EQ(result.error, c.error) << ErrorText(result.error);
        if (c.error == EvalError::kNone) {
            EXPECT_DOUBLE_EQ(result.value, c.value);
        }
    }
}

constexpr EvalError kOk = EvalError::kNone;
constexpr EvalError kSyntax = EvalError::kSyntax;
constexpr EvalError kUnbalanced = EvalError::kUnbalanced;
constexpr EvalError kNoExpression = EvalError::kNoExpression;
constexpr EvalError kDivision = EvalError::kDivisionByZero;
constexpr EvalError kRange = EvalError::kOutOfRange;

TEST(ExpressionEvaluatorTest, ArithmeticAndPrecedence) {
    ExpectCases(
        {
            {"2*(3+4)", 14, kOk},
            {"10/4", 2.5, kOk},
            {"+5", 5, kOk},
            {"2*-3", -6, kOk},
            {"2--2", 4, kOk},
            {"2+-3", -1, kOk},
            {"1+2*3", 7, kOk},
            {"8-2-1", 5, kOk},
            {"16/4/2", 2, kOk},
            {"2*3^2", 18, kOk},
            {"-2^2", 4, kOk},
            {"2^-2", 0.25, kOk},
            {"2^3^2", 8, kOk},
            {"(2^3^2)*2", 8, kOk},
            {"(2+3)4", 5, kOk},
            {"2(3)", 2, kOk},
            {"-(2+3)", -5, kOk},
            {" \t 7 ", 7, kOk},
            // A number token runs on over the blank and its value stops there.
            {"2 3+1", 3, kOk},
            // The tab ends the token; the leftover is ignored.
            {"2\t3", 2, kOk},
        },
        EvaluateExpression);
}

TEST(ExpressionEvaluatorTest, NumberTokens) {
    ExpectCases(
        {
            {".5", 0.5, kOk},
            {"5.", 5, kOk},
            {".", 0, kOk},
            {"1.2.3", 1.2, kOk},
            {"0.125", 0.125, kOk},
            {"2.5*4", 10, kOk},
            {"007", 7, kOk},
        },
        EvaluateExpression);
}

TEST(ExpressionEvaluatorTest, PowerRules) {
    ExpectCases(
        {
            {"2^0.5", std::sqrt(2.0), kOk},
            {"0^0", 1, kOk},
            {"(0-8)^(1/3)", 0, kOk},
            {"(0-2)^3", -8, kOk},
            {"(0-2)^2", 4, kOk},
            {"(0-2)^(0-3)", -0.125, kOk},
            {"0^(0-1)", 0, kOk},
            {"0^2", 0, kOk},
            {"9^0.5", 3, kOk},
        },
        EvaluateExpression);
}

TEST(ExpressionEvaluatorTest, Errors) {
    ExpectCases(
        {
            {"7/0", 0, kDivision},        {"5/0+3", 0, kDivision},  {"", 0, kNoExpression},
            {"   \t ", 0, kNoExpression}, {"#5", 0, kNoExpression}, {",5", 0, kNoExpression},
            {"(5", 0, kUnbalanced},       {"5)", 0, kUnbalanced},   {")5(", 0, kSyntax},
            {"1e3", 0, kSyntax},          {"1.5e", 0, kSyntax},     {"SIN(30)", 0, kSyntax},
            {"sin(30)", 0, kSyntax},      {"1,5", 0, kSyntax},      {"5%2", 0, kSyntax},
            {"2<3", 0, kSyntax},          {"x", 0, kSyntax},        {"2**3", 0, kSyntax},
            {"2*+3", 0, kSyntax},         {"2++3", 0, kSyntax},     {"2^+3", 0, kSyntax},
            {"2+", 0, kSyntax},           {"(2*)", 0, kSyntax},     {"()", 0, kSyntax},
            {"--2", 0, kSyntax},
        },
        EvaluateExpression);
}

// The first error raised is the one reported, in the order the checks and the parse meet them.
TEST(ExpressionEvaluatorTest, FirstErrorWins) {
    ExpectCases(
        {
            {"x(5", 0, kUnbalanced},  // an unbalanced text skips the character check
            {"**2", 0, kSyntax},      // the operator run fails before the empty-token test
            {"#5)", 0, kNoExpression},
            {"5/0+2*", 0, kDivision},
            {"(2*)+1/0", 0, kSyntax},
        },
        EvaluateExpression);
}

TEST(ExpressionEvaluatorTest, ValuesBeyondDoubleAreOutOfRange) {
    ExpectCases(
        {
            {"10^400", 0, kRange},
            {"10^400-10^400", 0, kRange},
            {"0-10^400", 0, kRange},
            {"1/10^400", 0, kRange},
            {"10^400*0", 0, kRange},
            {std::string(400, '9'), 0, kRange},
            {"10^400/0", 0, kRange},
            {"5/0+10^400", 0, kDivision},
            {"10^300", 1e300, kOk},
        },
        EvaluateExpression);
    EXPECT_EQ(ErrorText(kRange), "Number out of range");
}

TEST(ExpressionEvaluatorTest, ErrorTexts) {
    EXPECT_EQ(ErrorText(kOk), "");
    EXPECT_EQ(ErrorText(kSyntax), "Syntax error");
    EXPECT_EQ(ErrorText(kUnbalanced), "Unbalanced parentheses");
    EXPECT_EQ(ErrorText(kNoExpression), "No expression present");
    EXPECT_EQ(ErrorText(kDivision), "Division by zero");
}

TEST(ExpressionEvaluatorTest, DeepNesting) {
    const std::string nested = std::string(200, '(') + "1" + std::string(200, ')');
    ExpectCases({{nested, 1, kOk}, {"-" + nested + "*3", -3, kOk}}, EvaluateExpression);
    const std::string too_deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    ExpectCases({{too_deep, 0, kSyntax}}, EvaluateExpression);
}

TEST(FieldTextTest, MixedNumbersAndTrimming) {
    ExpectCases(
        {
            {"1 1/2", 1.5, kOk},
            {"12 3/4", 12.75, kOk},
            {"1 15/16", 1.9375, kOk},
            {"-1 1/2", -0.5, kOk},
            {"1  1/2", 1.5, kOk},
            {"  3  ", 3, kOk},
            {"\t2 1/2\t ", 2.5, kOk},
            {"1 1/2*2", 2, kOk},
            {"1 100/128", 1.78125, kOk},
            {"-1 100/128", -0.21875, kOk},
            {"+2   100/128", 2.78125, kOk},
            {"2*3.5+1/8", 7.125, kOk},
            {"", 0, kNoExpression},
            {" \t ", 0, kNoExpression},
            {"1 1/0", 0, kDivision},
            {"(1 1/2", 0, kUnbalanced},
        },
        EvaluateFieldText);
}

TEST(FieldTextTest, OtherBlankTextIsEvaluatedOrRefused) {
    ExpectCases(
        {
            {"1 + 2", 3, kOk},
            {"1 / 4", 0.25, kOk},
            {"1 /4", 0.25, kOk},
            {"2 * 3/4", 1.5, kOk},
            {"2 * 3 / 4", 1.5, kOk},
            {"( 2 + 3 ) * 2", 10, kOk},
            {"2 3", 0, kSyntax},
            {"2 3+1", 0, kSyntax},
            {"1.5 2", 0, kSyntax},
            {"2 .5", 0, kSyntax},
            {"1 1/2 3", 0, kSyntax},
            {"2 3)", 0, kUnbalanced},
        },
        EvaluateFieldText);
}

TEST(FieldTextTest, NoValueCarriesOverFromAnEarlierField) {
    ASSERT_TRUE(EvaluateFieldText("42").Ok());
    const Evaluation sum = EvaluateFieldText("1 + 2");
    EXPECT_EQ(sum.error, kOk);
    EXPECT_DOUBLE_EQ(sum.value, 3);

    ASSERT_TRUE(EvaluateFieldText("42").Ok());
    EXPECT_EQ(EvaluateFieldText("2 3").error, kSyntax);
}

TEST(FieldTextTest, LengthLimit) {
    std::string longest = "10";
    while (longest.size() < 254)
        longest += "+1";
    ASSERT_EQ(longest.size(), 254u);
    const std::string too_long = longest + "0";
    ExpectCases(
        {
            {longest, 136, kOk},
            {"  " + longest + "\t", 136, kOk},
            {too_long, 0, kSyntax},
            {too_long + std::string(10000, '(') + "#", 0, kSyntax},
        },
        EvaluateFieldText);
}

}  // namespace
}  // namespace tarvix
