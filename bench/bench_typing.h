#pragma once

#include <QLineEdit>

#include <string>

#include "platform/headless_window.h"
#include "platform/qt/qt_top_level_window.h"

// Puts text into a field as the user's own edit, so that the next commit reads it (a field the
// program wrote keeps its stored value).
inline void TypeInto(tarvix::Window& window, int id, const std::string& text) {
    if (auto* headless = dynamic_cast<tarvix::HeadlessWindow*>(&window)) {
        headless->Type(id, text);
    } else if (auto* qt = dynamic_cast<tarvix::QtTopLevelWindow*>(&window)) {
        if (auto* field = qobject_cast<QLineEdit*>(qt->ControlWidget(id))) {
            field->selectAll();
            field->insert(QString::fromStdString(text));
        }
    }
}
