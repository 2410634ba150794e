#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/expression_evaluator.h"
#include "core/number_format.h"

// Any text a user can type into a field must evaluate without a fault, and an accepted value must
// be finite and printable in every display format.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarvix::Evaluation result = tarvix::EvaluateFieldText(text);
    if (!result.Ok()) return 0;
    if (!std::isfinite(result.value)) std::abort();
    for (int decimals = 1; decimals <= 6; ++decimals) {
        for (bool grouping : {false, true}) {
            if (tarvix::FormatNumber(result.value, decimals, grouping).empty()) std::abort();
        }
    }
    return 0;
}
