#include "core/field_notices.h"

namespace tarvix {

void FieldNotices::Read(int id, EvalError error) {
    const bool shown_red = error != EvalError::kNone && error != EvalError::kNoExpression;
    Set(id, shown_red ? std::string(ErrorText(error)) : std::string(), shown_red);
}

void FieldNotices::Kept(int id) {
    auto it = notices_.find(id);
    if (it != notices_.end() && it->second.refusal) Clear(id);
}

void FieldNotices::Limited(int id, std::string_view shown, std::string_view unit) {
    std::string text = "Limited to " + std::string(shown);
    if (!unit.empty()) text += " " + std::string(unit);
    Set(id, std::move(text), false);
}

void FieldNotices::Clear(int id) {
    Set(id, "", false);
}

// Only a change reaches the window, so a screen reader hears each notice once.
void FieldNotices::Set(int id, std::string text, bool refusal) {
    Notice& notice = notices_[id];
    notice.refusal = refusal;
    if (notice.text == text) return;
    notice.text = std::move(text);
    window_.SetFieldNotice(id, notice.text);
}

}  // namespace tarvix
