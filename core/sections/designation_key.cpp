#include "core/sections/designation_key.h"

#include <charconv>
#include <cmath>

namespace tarvix {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string Canonical(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // The multiplication sign is two bytes in UTF-8.
        if (c == '\xC3' && i + 1 < text.size() && text[i + 1] == '\x97') {
            out += 'X';
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if (c == '\t') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

std::optional<double> Decimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::string padded = text.front() == '.' ? "0" + std::string(text) : std::string(text);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(padded.data(), padded.data() + padded.size(), value);
    if (ec != std::errc() || ptr != padded.data() + padded.size()) return std::nullopt;
    return value;
}

// "6", "6.625", ".25", "1/4", "1 1/4", "1-1/4".
std::optional<double> Number(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return Decimal(WithoutBlanks(text));
    std::string_view whole_part;
    std::string_view fraction = text;
    if (const std::size_t split = text.find_last_of(" -", slash); split != std::string_view::npos) {
        whole_part = text.substr(0, split);
        fraction = text.substr(split + 1);
    }
    const std::size_t at = fraction.find('/');
    const auto numerator = Decimal(WithoutBlanks(fraction.substr(0, at)));
    const auto denominator = Decimal(WithoutBlanks(fraction.substr(at + 1)));
    if (!numerator || !denominator || *denominator == 0) return std::nullopt;
    double value = *numerator / *denominator;
    if (!whole_part.empty()) {
        const auto whole = Decimal(WithoutBlanks(whole_part));
        if (!whole) return std::nullopt;
        value += *whole;
    }
    return value;
}

}  // namespace

std::optional<DesignationKey> ReadDesignation(std::string_view raw) {
    std::string text = Canonical(raw);
    DesignationKey key;
    // A product standard may close the designation: "SHS 90x90x5 EN 10210".
    const std::string compact = WithoutBlanks(text);
    for (std::string_view standard : {"EN10210", "EN10219"}) {
        const std::size_t at = compact.rfind(standard);
        if (at != std::string::npos && at + standard.size() == compact.size()) {
            key.standard = std::string(standard);
            // Cut the standard off the text as typed, blanks and all.
            std::size_t at_text = text.size();
            for (std::size_t left = standard.size(); left > 0;)
                if (text[--at_text] != ' ') --left;
            text.erase(at_text);
            break;
        }
    }
    std::size_t begin = 0;
    while (begin < text.size() && (IsLetter(text[begin]) || text[begin] == ' ')) {
        if (text[begin] != ' ') key.prefix += text[begin];
        ++begin;
    }
    std::size_t end = text.size();
    while (end > begin && !IsDigit(text[end - 1])) {
        const char c = text[end - 1];
        if (c != ' ' && c != '.' && !IsLetter(c)) return std::nullopt;
        --end;
    }
    for (std::size_t i = end; i < text.size(); ++i)
        if (IsLetter(text[i])) key.suffix += text[i];
    if (begin >= end) return std::nullopt;
    const std::string_view body = std::string_view(text).substr(begin, end - begin);
    std::size_t from = 0;
    while (true) {
        const std::size_t x = body.find('X', from);
        const auto number = Number(
            body.substr(from, x == std::string_view::npos ? std::string_view::npos : x - from));
        if (!number) return std::nullopt;
        key.numbers.push_back(*number);
        if (x == std::string_view::npos) break;
        from = x + 1;
    }
    return key;
}

bool SameNumber(double a, double b) {
    return std::fabs(a - b) <= 1e-3 * std::fmax(1.0, std::fabs(b));
}

}  // namespace tarvix
