#include "core/expression_evaluator.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

using enum EvalError;

struct Case {
    std::string text;
    double value;  // checked only when the error is kNone
    EvalError error = kNone;
};

void ExpectCases(const std::vector<Case>& cases, Evaluation (*evaluate)(std::string_view)) {
    for (const Case& c : cases) {
        SCOPED_TRACE("text: '" + c.text + "'");
        const Evaluation result = evaluate(c.text);
        EXPECT_EQ(result.error, c.error) << ErrorText(result.error);
        EXPECT_DOUBLE_EQ(c.error == kNone ? result.value : c.value, c.value);
    }
}

TEST(ExpressionEvaluatorTest, Values) {
    // clang-format off
    ExpectCases({
        {"2*(3+4)", 14}, {"10/4", 2.5}, {"+5", 5}, {"2*-3", -6}, {"2--2", 4}, {"1+2*3", 7},
        {"8-2-1", 5}, {"16/4/2", 2}, {"2*3^2", 18}, {"-(2+3)", -5}, {" \t 7 ", 7},
        // One sign per operand binds tighter than "^"; only one "^" is taken.
        {"-2^2", 4}, {"2^-2", 0.25}, {"(2^3)^2", 64}, {"2^(3^2)", 512},
        {".5", 0.5}, {"5.", 5}, {".", 0}, {"007", 7}, {"2 +3", 5}, {"( 2 ) ", 2},
        {"2^0.5", std::sqrt(2.0)}, {"0^0", 1}, {"0^(0-1)", 0}, {"(0-8)^(1/3)", 0},
        {"(0-2)^3", -8}, {"(0-2)^2", 4}, {"(0-2)^(0-3)", -0.125},
    }, EvaluateExpression);
    // clang-format on
}

TEST(ExpressionEvaluatorTest, Errors) {
    // clang-format off
    ExpectCases({
        {"7/0", 0, kDivisionByZero}, {"", 0, kNoExpression}, {"#5", 0, kNoExpression},
        {"(5", 0, kUnbalanced}, {"5)", 0, kUnbalanced}, {")5(", 0, kSyntax},
        {"1e3", 0, kSyntax}, {"sin(30)", 0, kSyntax}, {"1,5", 0, kSyntax}, {"2**3", 0, kSyntax},
        {"2*+3", 0, kSyntax}, {"2+", 0, kSyntax}, {"()", 0, kSyntax}, {"--2", 0, kSyntax},
        // The first error raised wins, in the order the checks and the parse meet them.
        {"x(5", 0, kUnbalanced}, {"**2", 0, kSyntax}, {"#5)", 0, kNoExpression},
        {"5/0+2*", 0, kDivisionByZero}, {"(2*)+1/0", 0, kSyntax},
        // Nothing may follow a complete expression, inside parentheses or out.
        {"(2+3)4", 0, kSyntax}, {"2(3)", 0, kSyntax}, {"2^3^2", 0, kSyntax},
        {"(2^3^2)*2", 0, kSyntax}, {"1.2.3", 0, kSyntax}, {"2 3+1", 0, kSyntax},
        {"2\t3", 0, kSyntax}, {"(2)(3)", 0, kSyntax}, {"1..5", 0, kSyntax},
        // Whatever leaves the range of a double, even on the way to a finite result.
        {"10^400-10^400", 0, kOutOfRange}, {"1/10^400", 0, kOutOfRange},
        {"10^400*0", 0, kOutOfRange}, {std::string(400, '9'), 0, kOutOfRange},
        {"5/0+10^400", 0, kDivisionByZero}, {"10^300", 1e300},
    }, EvaluateExpression);
    const std::pair<EvalError, const char*> texts[] = {
        {kNone, ""}, {kSyntax, "Syntax error"}, {kUnbalanced, "Unbalanced parentheses"},
        {kNoExpression, "No expression present"}, {kDivisionByZero, "Division by zero"},
        {kOutOfRange, "Number out of range"}};
    // clang-format on
    for (const auto& [error, text] : texts)
        EXPECT_EQ(ErrorText(error), text);
}

TEST(ExpressionEvaluatorTest, DeepNesting) {
    const std::string nested = std::string(200, '(') + "1" + std::string(200, ')');
    const std::string too_deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    ExpectCases({{nested, 1}, {"-" + nested + "*3", -3}, {too_deep, 0, kSyntax}},
                EvaluateExpression);
}

TEST(FieldTextTest, MixedNumbersBlanksAndTrimming) {
    // clang-format off
    ExpectCases({
        {"1 1/2", 1.5}, {"12 3/4", 12.75}, {"1 15/16", 1.9375}, {"1  1/2", 1.5},
        {"\t2 1/2\t ", 2.5}, {"1 1/2*2", 2}, {"2 .5/2", 2.25},  // one or two characters, then "/"
        {"1 100/128", 1.78125}, {"+2   100/128", 2.78125},
        // A minus makes the whole mixed number negative, however it is reached.
        {"-1 1/2", -1.5}, {"-1 100/128", -1.78125}, {"-1 1/2*2", -2}, {"(-2 3/4)", -2.75},
        {"3-1 1/2", 1.5}, {"3--1 1/2", 4.5}, {"3+-1 1/2", 1.5}, {"3-+1 1/2", 1.5},
        {"- 1/2", 0, kSyntax}, {"3- 1/2", 2.5}, {"1 1/2 1", 0, kSyntax}, {"1 1/2/", 0, kSyntax},
        {"1 1/0", 0, kDivisionByZero}, {"(1 1/2", 0, kUnbalanced},
        {"", 0, kNoExpression}, {" \t ", 0, kNoExpression},
        // Blanks between operators are read; blanks splitting a number are refused.
        {"1 + 2", 3}, {"1 / 4", 0.25}, {"2 * 3/4", 1.5}, {"( 2 + 3 ) * 2", 10},
        {"2 3", 0, kSyntax}, {"1.5 2", 0, kSyntax}, {"2 .5", 0, kSyntax},
        {"1 1/2 3", 0, kSyntax}, {"2 3)", 0, kUnbalanced},
    }, EvaluateFieldText);
    // clang-format on
}

TEST(FieldTextTest, LengthLimit) {
    std::string longest = "10";
    while (longest.size() < 254)
        longest += "+1";
    const std::string too_long = longest + "0";
    ExpectCases({{longest, 136},
                 {"  " + longest + "\t", 136},
                 {too_long, 0, kSyntax},
                 {too_long + std::string(10000, '(') + "#", 0, kSyntax}},
                EvaluateFieldText);
}

}  // namespace
}  // namespace tarvix
