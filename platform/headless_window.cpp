#include "platform/headless_window.h"

namespace tarvix {

void HeadlessWindow::CreateControl(const ControlSpec& def) {
    Control c;
    c.id = def.id;
    c.kind = def.kind;
    c.text = std::string(def.text);
    c.left = def.left;
    c.top = def.top;
    c.width = def.width;
    c.height = def.height;
    c.scrolls = def.scrolls;
    c.textColour = def.textColour;
    c.background = def.background;
    if (def.points > 0) c.font = FontSpec{"Tahoma", def.points, 700};
    if (def.kind == ControlKind::kOption) {
        // An option that does not start a group joins the group of the option created before it.
        if (def.firstOfGroup || groups_ == 0) ++groups_;
        c.group = groups_;
    }
    if (!controls_.contains(def.id)) order_.push_back(def.id);
    controls_[def.id] = std::move(c);
}

void HeadlessWindow::MoveWindow(int left, int top, int width, int height) {
    frame_ = Geometry{left, top, width, height};
}

void HeadlessWindow::Deliver(const Event& event) {
    if (sink_) sink_->HandleEvent(event);
}

HeadlessWindow::Control* HeadlessWindow::Lookup(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const HeadlessWindow::Control* HeadlessWindow::Find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

void HeadlessWindow::SetText(int id, std::string_view text) {
    if (Control* c = Lookup(id)) {
        c->text = std::string(text);
        c->edited = false;
    }
}

void HeadlessWindow::Type(int id, std::string_view text) {
    if (Control* c = Lookup(id)) {
        c->text = std::string(text);
        c->edited = true;
    }
}

std::string HeadlessWindow::GetText(int id) const {
    const Control* c = Find(id);
    return c ? c->text : std::string();
}

bool HeadlessWindow::IsEdited(int id) const {
    const Control* c = Find(id);
    return c && c->edited;
}

void HeadlessWindow::SetColours(int id, Rgb text, Rgb background) {
    if (Control* c = Lookup(id)) {
        c->textColour = text;
        c->background = background;
    }
}

void HeadlessWindow::SetFont(int id, const FontSpec& font) {
    if (Control* c = Lookup(id)) c->font = font;
}

void HeadlessWindow::Enable(int id, bool enabled) {
    if (Control* c = Lookup(id)) c->enabled = enabled;
}

bool HeadlessWindow::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && c->enabled;
}

void HeadlessWindow::GiveFocus(int id) {
    if (Lookup(id)) focus_ = id;
}

void HeadlessWindow::MoveControl(int id, int left, int top, int width, int height) {
    if (Control* c = Lookup(id)) {
        c->left = left;
        c->top = top;
        c->width = width;
        c->height = height;
    }
}

void HeadlessWindow::SetChecked(int id, bool checked) {
    Control* c = Lookup(id);
    if (!c) return;
    if (checked && c->kind == ControlKind::kOption) {
        for (auto& [other_id, other] : controls_) {
            if (other.kind == ControlKind::kOption && other.group == c->group)
                other.checked = false;
        }
    }
    c->checked = checked;
}

bool HeadlessWindow::IsChecked(int id) const {
    const Control* c = Find(id);
    return c && c->checked;
}

void HeadlessWindow::ListAppend(int id, std::string_view text) {
    if (Control* c = Lookup(id)) c->entries.emplace_back(text);
}

void HeadlessWindow::ListDelete(int id, int index) {
    Control* c = Lookup(id);
    if (!c || index < 0 || index >= static_cast<int>(c->entries.size())) return;
    c->entries.erase(c->entries.begin() + index);
    if (c->selection == index) {
        c->selection = -1;
    } else if (c->selection > index) {
        --c->selection;
    }
}

void HeadlessWindow::ListClear(int id) {
    if (Control* c = Lookup(id)) {
        c->entries.clear();
        c->selection = -1;
    }
}

void HeadlessWindow::ListSelect(int id, int index) {
    Control* c = Lookup(id);
    if (!c) return;
    c->selection = (index >= 0 && index < static_cast<int>(c->entries.size())) ? index : -1;
}

int HeadlessWindow::ListSelection(int id) const {
    const Control* c = Find(id);
    return c ? c->selection : -1;
}

int HeadlessWindow::ListCount(int id) const {
    const Control* c = Find(id);
    return c ? static_cast<int>(c->entries.size()) : 0;
}

void HeadlessWindow::ListSetEntryHeight(int id, int pixels) {
    if (Control* c = Lookup(id)) c->entryHeight = pixels;
}

void HeadlessWindow::SetAccessibleName(int id, std::string_view name) {
    if (Control* c = Lookup(id)) c->accessibleName = std::string(name);
}

void HeadlessWindow::SetFieldNotice(int id, std::string_view text) {
    if (Control* c = Lookup(id)) c->notice = std::string(text);
}

}  // namespace tarvix
