#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/expression_evaluator.h"
#include "platform/window.h"

namespace tarvix {

// What a numeric field says beside its value: why its text was refused while it shows red, or
// that its value was limited. The window shows it as the field's tooltip and description.
class FieldNotices {
  public:
    explicit FieldNotices(Window& window) : window_(window) {}

    // The field's text was just read: an error it shows in red names itself, anything else
    // clears what the field said before. "No expression present" is not shown red, so says nothing.
    void Read(int id, EvalError error);
    // The field kept the value the program wrote into it: a refusal is over, a limit still holds.
    void Kept(int id);
    // The value was replaced by its limit; `shown` is the field's text now.
    void Limited(int id, std::string_view shown, std::string_view unit);
    void Clear(int id);

  private:
    void Set(int id, std::string text, bool refusal);

    struct Notice {
        std::string text;
        bool refusal = false;
    };
    Window& window_;
    std::map<int, Notice> notices_;
};

}  // namespace tarvix
