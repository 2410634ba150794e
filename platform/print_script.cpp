#include "platform/print_script.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>
#include <vector>

namespace tarvix {
namespace {

// Texts go last on their line; the characters that would break the line or the fields are
// escaped: the character, and the letter that stands for it after a backslash.
constexpr std::pair<char, char> kEscapes[] = {{'\\', '\\'}, {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}};

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [c](const auto& e) { return e.first == c; });
        if (escape == std::end(kEscapes)) {
            out += c;
        } else {
            out += '\\';
            out += escape->second;
        }
    }
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        const char letter = text[i];
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [letter](const auto& e) { return e.second == letter; });
        if (escape == std::end(kEscapes)) return false;
        out += escape->first;
    }
    return true;
}

// Floats as the shortest text that reads back to the same value, so the layout is exact.
void AppendNumber(std::string& out, float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template <typename T>
bool ReadNumber(std::string_view text, T& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// Splits a line into at most `count` fields; the last one takes the rest of the line.
std::vector<std::string_view> Fields(std::string_view line, std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) break;
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

// One call read from its line, ready to be played.
struct Call {
    char kind = 0;
    FontStyle style = FontStyle::kBody;
    TextAlignment alignment = TextAlignment::kLeft;
    float a = 0, b = 0;
    Rgb colour;
    std::string text;
};

bool ParseCall(std::string_view line, Call& call) {
    if (line.empty()) return false;
    call.kind = line[0];
    switch (call.kind) {
        case 'S': {
            const auto f = Fields(line, 2);
            return f.size() == 2 && f[0] == "S" && Unescape(f[1], call.text);
        }
        case 'P':
        case 'E':
            return line.size() == 1;
        case 'F': {
            const auto f = Fields(line, 7);
            int style = 0, r = 0, g = 0, b = 0;
            if (f.size() != 7 || f[0] != "F" || !ReadNumber(f[1], style) ||
                !ReadNumber(f[2], call.a) || !ReadNumber(f[3], r) || !ReadNumber(f[4], g) ||
                !ReadNumber(f[5], b) || !Unescape(f[6], call.text)) {
                return false;
            }
            if (style != static_cast<int>(FontStyle::kBody) &&
                style != static_cast<int>(FontStyle::kHeading)) {
                return false;
            }
            for (int channel : {r, g, b}) {
                if (channel < 0 || channel > 255) return false;
            }
            call.style = static_cast<FontStyle>(style);
            call.colour = Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)};
            return true;
        }
        case 'T': {
            const auto f = Fields(line, 5);
            int alignment = 0;
            if (f.size() != 5 || f[0] != "T" || !ReadNumber(f[1], call.a) ||
                !ReadNumber(f[2], call.b) || !ReadNumber(f[3], alignment) || alignment < 0 ||
                alignment > 2 || !Unescape(f[4], call.text)) {
                return false;
            }
            call.alignment = static_cast<TextAlignment>(alignment);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

int PrintScriptRecorder::StartDoc(std::string_view title) {
    if (started_) return 0;
    started_ = true;
    script_ = "S\t";
    AppendEscaped(script_, title);
    script_ += '\n';
    return kHandle;
}

void PrintScriptRecorder::Font(int handle, FontStyle style, float points, Rgb colour,
                               std::string_view face) {
    if (!Accepts(handle)) return;
    script_ += "F\t" + std::to_string(static_cast<int>(style)) + '\t';
    AppendNumber(script_, points);
    script_ += '\t' + std::to_string(colour.r) + '\t' + std::to_string(colour.g) + '\t' +
               std::to_string(colour.b) + '\t';
    AppendEscaped(script_, face);
    script_ += '\n';
}

void PrintScriptRecorder::Text(int handle, float x, float y, TextAlignment alignment,
                               std::string_view text) {
    if (!Accepts(handle)) return;
    script_ += "T\t";
    AppendNumber(script_, x);
    script_ += '\t';
    AppendNumber(script_, y);
    script_ += '\t' + std::to_string(static_cast<int>(alignment)) + '\t';
    AppendEscaped(script_, text);
    script_ += '\n';
}

void PrintScriptRecorder::NewPage(int handle) {
    if (Accepts(handle)) script_ += "P\n";
}

void PrintScriptRecorder::EndDoc(int handle) {
    if (!Accepts(handle)) return;
    script_ += "E\n";
    ended_ = true;
}

int ReplayPrintScript(std::string_view script, PrintDocument& document) {
    // Every line is read before anything is drawn: a damaged script draws nothing.
    std::vector<Call> calls;
    int number = 0;
    while (!script.empty()) {
        ++number;
        const std::size_t end = script.find('\n');
        if (end == std::string_view::npos) return number;  // the last line is cut short
        Call call;
        if (!ParseCall(script.substr(0, end), call)) return number;
        // One document: a title first, an end last, nothing after it.
        if ((number == 1) != (call.kind == 'S')) return number;
        if (!calls.empty() && calls.back().kind == 'E') return number;
        calls.push_back(std::move(call));
        script.remove_prefix(end + 1);
    }
    if (calls.empty() || calls.back().kind != 'E') return number + 1;

    const int handle = document.StartDoc(calls.front().text);
    if (handle < 1) return -1;
    for (const Call& call : calls) {
        switch (call.kind) {
            case 'F':
                document.Font(handle, call.style, call.a, call.colour, call.text);
                break;
            case 'T':
                document.Text(handle, call.a, call.b, call.alignment, call.text);
                break;
            case 'P':
                document.NewPage(handle);
                break;
            case 'E':
                document.EndDoc(handle);
                break;
            default:
                break;
        }
    }
    return 0;
}

}  // namespace tarvix
