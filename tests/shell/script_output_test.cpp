#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "shell/json_object.h"
#include "shell/window_options.h"

namespace tarvix {
namespace {

TEST(ScriptOutput, JsonTextsAndNumbers) {
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01\xC3\xA9"), "\"a\\\"b\\\\c\\n\\t\\u0001\xC3\xA9\"");
    const std::string line = JsonObject()
                                 .Number("a", 0.5)
                                 .Number("b", -1e21)
                                 .Number("c", INFINITY)
                                 .Field("d", " 1,234.500", 1234.5)
                                 .Field("e", " ", 3)
                                 .Field("f", "12x", 12)
                                 .Line();
    EXPECT_EQ(line, "{\"a\":0.5,\"b\":-1e+21,\"c\":null,\"d\":1234.5,\"e\":null,\"f\":\"12x\"}\n");
    // clang-format off
    struct Case { const char* shown; bool number; };
    const Case cases[] = {{".919", true}, {" -.689", true}, {"1,618.930", true}, {"0", true},
                          {"", false}, {" ", false}, {"2+", false}, {"1 1/2", false}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ShowsNumber(c.shown), c.number) << c.shown;
}

// Only --help and --version alone answer before the window; anything else starts it.
TEST(ScriptOutput, WindowProgramOptions) {
    // clang-format off
    struct Case { std::vector<std::string> args; bool answered; std::string start; };
    const Case cases[] = {
        {{"--version"}, true, "tarvix 3.0.0\n"}, {{"--help"}, true, "Usage: tarvix"},
        {{"-h"}, true, "Usage: tarvix"}, {{}, false, ""}, {{"--version", "x"}, false, ""},
        {{"parts.tarvix"}, false, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::ostringstream out;
        const auto status = AnswerWithoutWindow(c.args, out);
        EXPECT_EQ(status.has_value(), c.answered) << ::testing::PrintToString(c.args);
        EXPECT_EQ(status.value_or(0), 0);
        EXPECT_EQ(out.str().substr(0, c.start.size()), c.start);
    }
}

}  // namespace
}  // namespace tarvix
