#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// One JSON object on one line, its members in the order they are added: what `--json` prints.
class JsonObject {
  public:
    // A number at full precision: the shortest text that reads back to the same double, with its
    // leading zero and without separators. Infinities and NaN, which JSON cannot hold, are null.
    JsonObject& Number(std::string_view key, double value);
    JsonObject& Text(std::string_view key, std::string_view text);
    JsonObject& Null(std::string_view key);
    // A value already written as JSON (an array or object).
    JsonObject& Raw(std::string_view key, std::string_view json);
    // A field of the window: null when it is blank, `value` when it shows a number, otherwise its
    // text (a refused entry shows what was typed).
    JsonObject& Field(std::string_view key, std::string_view shown, double value);

    // "{...}" and a line end.
    std::string Line() const { return body_ + "}\n"; }
    std::string Json() const { return body_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string body_ = "{";
};

// A text as a JSON string, quotes included.
std::string JsonString(std::string_view text);

// Whether a field's text is a number as the formatter writes it (" 1,234.500", "-.5", "0").
bool ShowsNumber(std::string_view shown);

}  // namespace tarvix
