#pragma once

#include "core/expression_evaluator.h"
#include "platform/window.h"

namespace tarvix {

// Reads a numeric field of the window and colours it: red text for an error the user must see,
// black otherwise ("No expression present" stays black). The field's text is never changed.
Evaluation EvaluateInputField(Window& window, int id);

}  // namespace tarvix
