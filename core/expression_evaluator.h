#pragma once

#include <string_view>

namespace tarvix {

enum class EvalError {
    kNone,
    kSyntax,          // "Syntax error"
    kUnbalanced,      // "Unbalanced parentheses"
    kNoExpression,    // "No expression present"
    kDivisionByZero,  // "Division by zero"
    kOutOfRange,      // "Number out of range": the value is not finite
};

// The message a field shows for an error; empty for kNone.
std::string_view ErrorText(EvalError error);

struct Evaluation {
    double value = 0.0;
    EvalError error = EvalError::kNone;

    bool Ok() const { return error == EvalError::kNone; }
};

// Evaluates an arithmetic expression: decimal numbers, + - * / ^, one leading sign per operand and
// parentheses. Every character must belong to the expression: a token left after it ("2(3)",
// "2^3^2", "1.2.3") is a syntax error. The value carries no meaning unless the error is kNone; it
// is never infinite or NaN when the error is kNone.
Evaluation EvaluateExpression(std::string_view text);

// Reads a numeric field's text the way every input field is read: trims blanks and tabs, reads a
// mixed number such as "2 1/2" as "2+1/2" ("-2 1/2" as "-2-1/2"), and evaluates the rest as an
// expression.
Evaluation EvaluateFieldText(std::string_view text);

}  // namespace tarvix
