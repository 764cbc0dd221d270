#include "controls/KeyActions.h"

#include <QKeyEvent>
#include <QWidget>

KeyActions::KeyActions(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

void KeyActions::On(int key, Qt::KeyboardModifiers modifiers, std::function<void()> action)
{
    m_bindings.push_back({key, modifiers, std::move(action)});
}

bool KeyActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    for (const Binding& binding : m_bindings)
        if (binding.key == key->key() && binding.modifiers == modifiers) {
            binding.action();
            return true;
        }
    return QObject::eventFilter(watched, event);
}
