#include "core/missing_inputs.h"

#include "core/shape_catalogue.h"

namespace tarvix {

std::string MissingInputsText(int shape, std::span<const int> inputs) {
    if (inputs.empty() || shape < 1 || shape > kShapeCount) return "";
    const ShapeInfo& info = Shape(shape);
    std::string list;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const int k = inputs[i];
        if (i > 0) list += i + 1 == inputs.size() ? " and " : ", ";
        list += "input " + std::to_string(k);
        if (k < 1 || k > info.inputCount) continue;
        std::string caption(info.inputs[k - 1].upper);
        // " PYRAMID" keeps its leading blank on the window only.
        while (!caption.empty() && caption.front() == ' ')
            caption.erase(0, 1);
        caption += (caption.empty() ? "" : " ") + std::string(info.inputs[k - 1].lower);
        for (char& c : caption)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        list += " (" + caption + ")";
    }
    return list + (inputs.size() == 1 ? " is missing" : " are missing");
}

}  // namespace tarvix
