#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Runs an action when a key with exactly its modifiers (the keypad aside)
// reaches a widget, before the widget's own handling; other keys go on to
// the widget. Unlike a shortcut it needs neither focus nor an active window,
// so the keys a list's page gives its list act however the key arrives.
class KeyActions : public QObject {
    Q_OBJECT

public:
    // Owned by the widget and watching it.
    explicit KeyActions(QWidget* widget);

    void On(int key, Qt::KeyboardModifiers modifiers, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<void()> action;
    };
    std::vector<Binding> m_bindings;
};
