#include "core/field_reader.h"

namespace tarvix {

Evaluation EvaluateInputField(Window& window, int id) {
    const Evaluation result = EvaluateFieldText(window.GetText(id));
    const bool shows_error = !result.Ok() && result.error != EvalError::kNoExpression;
    window.SetColours(id, shows_error ? colour::kRed : colour::kBlack, colour::kInputBackground);
    return result;
}

}  // namespace tarvix
