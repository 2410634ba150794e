#include "core/expression_evaluator.h"

#include <cmath>
#include <cstddef>
#include <string>

namespace tarvix {

namespace {

// A field's text must fit the program's 254-character text buffers.
constexpr std::size_t kMaxFieldLength = 254;

// Direct callers of the evaluator may pass longer texts; this keeps the recursion on the stack's
// safe side while staying far above anything a field can nest.
constexpr int kMaxNesting = 1000;

// Characters that may start or extend an operator token.
constexpr std::string_view kRunCharacters = "&|<>+/%*^=";
// Characters that end a number or name token; the blank is not one of them.
constexpr std::string_view kDelimiterCharacters = "&|<>+-/%*^=()\t";
// The only characters an accepted text may hold.
constexpr std::string_view kAllowedCharacters = "0123456789.+-/*^() \t";

bool Contains(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool IsNumberCharacter(char c) {
    return IsDigit(c) || c == '.';
}

enum class TokenKind { kNone, kDelimiter, kNumber };

// The scanning state of one evaluation: the text, the position, the current token and the first
// error. Errors never stop the scan; only the first one raised is kept.
class ExpressionParser {
  public:
    ExpressionParser(std::string_view text, bool refuse_split_numbers)
        : refuse_split_numbers_(refuse_split_numbers) {
        text_.reserve(text.size());
        for (char c : text)
            text_.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c);
    }

    Evaluation Run() {
        NextToken();
        if (token_.empty()) Raise(EvalError::kNoExpression);
        if (!ParenthesesBalance()) {
            Raise(EvalError::kUnbalanced);
        } else {
            CheckCharacters();
        }
        if (error_ != EvalError::kNone) return {0.0, error_};

        double value = Sum();
        // A token left over is a typo, not a comment: "(2+3)4" or "2^3^2" must not read as a
        // plausible number.
        if (!token_.empty()) Raise(EvalError::kSyntax);
        // Every operation already reports a lost value; this keeps the promise for any path.
        if (!std::isfinite(value)) Raise(EvalError::kOutOfRange);
        return {value, error_};
    }

  private:
    void Raise(EvalError error) {
        if (error_ == EvalError::kNone) error_ = error;
    }

    // An infinity or NaN means the number left the range of a double.
    double Checked(double value) {
        if (!std::isfinite(value)) Raise(EvalError::kOutOfRange);
        return value;
    }

    bool IsDelimiter(std::string_view text) const {
        return kind_ == TokenKind::kDelimiter && token_ == text;
    }

    void NextToken() {
        kind_ = TokenKind::kNone;
        token_ = {};
        while (pos_ < text_.size() && IsBlankOrTab(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size()) return;

        const std::size_t start = pos_;
        const char c = text_[pos_];
        if (c == '-' || c == '(' || c == ')') {
            ++pos_;
            kind_ = TokenKind::kDelimiter;
        } else if (Contains(kRunCharacters, c)) {
            while (pos_ < text_.size() && Contains(kRunCharacters, text_[pos_]))
                ++pos_;
            kind_ = TokenKind::kDelimiter;
            const std::string_view run(text_.data() + start, pos_ - start);
            if (run.size() > 1 && run != "<>" && run != "<=" && run != ">=" && run != "==" &&
                run != "||") {
                Raise(EvalError::kSyntax);
            }
        } else if (IsLetter(c) || IsNumberCharacter(c)) {
            while (pos_ < text_.size() && !Contains(kDelimiterCharacters, text_[pos_]))
                ++pos_;
            kind_ = IsLetter(c) ? TokenKind::kNone : TokenKind::kNumber;
        } else {
            return;
        }
        token_ = std::string_view(text_.data() + start, pos_ - start);
    }

    // Only the count matters, not the order: ")5(" passes here and fails in the parse.
    bool ParenthesesBalance() const {
        long depth = 0;
        for (char c : text_) {
            if (c == '(') ++depth;
            if (c == ')') --depth;
        }
        return depth == 0;
    }

    void CheckCharacters() {
        for (char c : text_) {
            if (!Contains(kAllowedCharacters, c)) {
                Raise(EvalError::kSyntax);
                return;
            }
        }
        if (!refuse_split_numbers_) return;
        // A number token runs on over blanks and its value stops at the first blank, so "2 3"
        // would quietly read as 2; a field refuses that instead.
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (!IsNumberCharacter(text_[i])) continue;
            std::size_t j = i + 1;
            while (j < text_.size() && text_[j] == ' ')
                ++j;
            if (j > i + 1 && j < text_.size() && IsNumberCharacter(text_[j])) {
                Raise(EvalError::kSyntax);
                return;
            }
        }
    }

    // The value of a number token; anything but blanks after its digits ("1.2.3", "2 3") is a
    // syntax error.
    double NumberValue(std::string_view token) {
        std::size_t i = 0;
        while (i < token.size() && IsBlankOrTab(token[i]))
            ++i;
        double value = 0.0;
        for (; i < token.size() && IsDigit(token[i]); ++i)
            value = value * 10.0 + (token[i] - '0');
        if (i < token.size() && token[i] == '.') {
            double scale = 1.0;
            for (++i; i < token.size() && IsDigit(token[i]); ++i) {
                scale *= 10.0;
                value += (token[i] - '0') / scale;
            }
        }
        while (i < token.size() && IsBlankOrTab(token[i]))
            ++i;
        if (i < token.size()) Raise(EvalError::kSyntax);
        return value;
    }

    static double Power(double base, double exponent) {
        if (exponent == 0.0) return 1.0;
        if (base < 0.0) {
            if (exponent != std::floor(exponent)) return 0.0;
            const double magnitude = std::pow(-base, exponent);
            return std::fmod(exponent, 2.0) != 0.0 ? -magnitude : magnitude;
        }
        if (base == 0.0) return 0.0;
        return std::pow(base, exponent);
    }

    double Sum() {
        double value = Product();
        while (IsDelimiter("+") || IsDelimiter("-")) {
            const bool add = token_ == "+";
            NextToken();
            const double operand = Product();
            value = Checked(add ? value + operand : value - operand);
        }
        return value;
    }

    double Product() {
        double value = PowerLevel();
        while (IsDelimiter("*") || IsDelimiter("/")) {
            const bool multiply = token_ == "*";
            NextToken();
            const double operand = PowerLevel();
            if (multiply) {
                value = Checked(value * operand);
            } else if (operand == 0.0) {
                Raise(EvalError::kDivisionByZero);
                value = 0.0;
            } else {
                value = Checked(value / operand);
            }
        }
        return value;
    }

    // Only one "^" is taken: "2^3^2" ends after "2^3".
    double PowerLevel() {
        double value = SignedOperand();
        if (IsDelimiter("^")) {
            NextToken();
            const double exponent = SignedOperand();
            value = Checked(Power(value, exponent));
        }
        return value;
    }

    // One sign per operand, and it binds tighter than "^": "-2^2" is 4.
    double SignedOperand() {
        bool negate = false;
        if (IsDelimiter("+") || IsDelimiter("-")) {
            negate = token_ == "-";
            NextToken();
        }
        const double value = Primary();
        return negate ? -value : value;
    }

    double Primary() {
        if (IsDelimiter("(")) {
            if (nesting_ >= kMaxNesting) {
                Raise(EvalError::kSyntax);
                return 0.0;
            }
            ++nesting_;
            NextToken();
            const double value = Sum();
            // Anything but the closing parenthesis here is left over inside it: "(2^3^2)".
            if (!IsDelimiter(")")) Raise(EvalError::kSyntax);
            NextToken();
            --nesting_;
            return value;
        }
        if (kind_ == TokenKind::kNumber) {
            const double value = Checked(NumberValue(token_));
            NextToken();
            return value;
        }
        Raise(EvalError::kSyntax);
        return 0.0;
    }

    std::string text_;
    bool refuse_split_numbers_;
    std::size_t pos_ = 0;
    std::string_view token_;
    TokenKind kind_ = TokenKind::kNone;
    EvalError error_ = EvalError::kNone;
    int nesting_ = 0;
};

std::string_view TrimBlanksAndTabs(std::string_view text) {
    while (!text.empty() && IsBlankOrTab(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && IsBlankOrTab(text.front()))
        text.remove_prefix(1);
    return text;
}

// "1 100/128": an optionally signed whole number, blanks, then digits and a "/".
bool IsLongMixedNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t whole_start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == whole_start) return false;
    const std::size_t blanks_start = i;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == blanks_start) return false;
    const std::size_t numerator_start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i > numerator_start && i < text.size() && text[i] == '/';
}

// The operator that joins the whole number before `blank` to the fraction after it. A mixed
// number is negative as a whole: "-1 1/2" is -1-1/2, and "3--1 1/2" is 3--1+1/2.
char MixedJoint(std::string_view text, std::size_t blank) {
    std::size_t i = blank;
    while (i > 0 && IsNumberCharacter(text[i - 1]))
        --i;
    if (i == blank) return '+';  // no whole number: "- 1/2" stays a signed fraction
    int minuses = 0;
    for (; i > 0 && (text[i - 1] == '-' || text[i - 1] == '+'); --i) {
        if (text[i - 1] == '-') ++minuses;
    }
    return minuses % 2 == 1 ? '-' : '+';
}

}  // namespace

std::string_view ErrorText(EvalError error) {
    switch (error) {
        case EvalError::kNone:
            return "";
        case EvalError::kSyntax:
            return "Syntax error";
        case EvalError::kUnbalanced:
            return "Unbalanced parentheses";
        case EvalError::kNoExpression:
            return "No expression present";
        case EvalError::kDivisionByZero:
            return "Division by zero";
        case EvalError::kOutOfRange:
            return "Number out of range";
    }
    return "";
}

Evaluation EvaluateExpression(std::string_view text) {
    return ExpressionParser(text, false).Run();
}

Evaluation EvaluateFieldText(std::string_view text) {
    const std::string_view trimmed = TrimBlanksAndTabs(text);
    if (trimmed.size() > kMaxFieldLength) return {0.0, EvalError::kSyntax};

    std::string field(trimmed);
    const std::size_t blank = field.find(' ');
    if (blank != std::string::npos) {
        const std::size_t slash = field.find('/', blank + 1);
        // A blank followed by one or two characters and a "/" ("2 1/2", "2 15/16") joins a whole
        // number and a fraction.
        const bool short_mixed =
            slash != std::string::npos && slash >= blank + 2 && slash <= blank + 3;
        if (short_mixed || IsLongMixedNumber(field)) field[blank] = MixedJoint(field, blank);
    }
    return ExpressionParser(field, true).Run();
}

}  // namespace tarvix
