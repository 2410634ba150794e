#include "shell/json_object.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvix {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool ShowsNumber(std::string_view shown) {
    std::string digits;
    for (char c : shown) {
        if (c != ',' && c != ' ') digits += c;
    }
    if (digits.empty()) return false;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc() && ptr == digits.data() + digits.size();
}

void JsonObject::Key(std::string_view key) {
    if (body_.size() > 1) body_ += ',';
    body_ += JsonString(key) + ':';
}

JsonObject& JsonObject::Number(std::string_view key, double value) {
    if (!std::isfinite(value)) return Null(key);
    Key(key);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    body_.append(buffer, result.ptr);
    return *this;
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view text) {
    Key(key);
    body_ += JsonString(text);
    return *this;
}

JsonObject& JsonObject::Null(std::string_view key) {
    Key(key);
    body_ += "null";
    return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
    return *this;
}

JsonObject& JsonObject::Field(std::string_view key, std::string_view shown, double value) {
    if (shown.find_first_not_of(' ') == std::string_view::npos) return Null(key);
    if (ShowsNumber(shown)) return Number(key, value);
    return Text(key, shown);
}

}  // namespace tarvix
