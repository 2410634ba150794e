#include "platform/qt/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/qt/option_group.h"
#include "platform/qt/window_frame.h"

namespace tarvix {
namespace {

bool Parked(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && !widget->isWindow() && widget->rect().isEmpty();
}

// The client area without its parked controls.
class ClientAccessible : public QAccessibleWidget {
  public:
    explicit ClientAccessible(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !Parked(child)) children << child;
        }
        return children;
    }
};

// An option group where its options are, not the whole client area it spans to take them in.
class GroupAccessible : public QAccessibleWidget {
  public:
    explicit GroupAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::Grouping) {}

    QRect rect() const override {
        QRect area;
        for (const QObject* object : widget()->children()) {
            const auto* option = qobject_cast<const QWidget*>(object);
            if (option && !option->isHidden())
                area |= QRect(option->mapToGlobal(QPoint(0, 0)), option->size());
        }
        return area;
    }
};

QAccessibleInterface* Roles(const QString& /*class_name*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (dynamic_cast<WindowFrame*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (dynamic_cast<OptionGroupBox*>(widget)) return new GroupAccessible(widget);
    if (dynamic_cast<ClientArea*>(widget)) return new ClientAccessible(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Roles);
}

}  // namespace tarvix
