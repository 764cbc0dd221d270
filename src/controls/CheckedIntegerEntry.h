#pragma once

#include "editing/EntryRules.h"

#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

// An integer field that a page button checks before it acts: a text that is
// no integer, or one out of range, is reported with the German messages the
// user knows, and the field gets the focus back.
class CheckedIntegerEntry {
public:
    // Shows the message; by default in a warning box over the field's window.
    using Reporter = std::function<void(QWidget* field, const QString& message)>;

    CheckedIntegerEntry(QLineEdit& field, std::optional<IntegerRange> range, Reporter report = ShowWarning);

    // The field's value, or nothing once the user has been told why not.
    std::optional<int> Read() const;

    static void ShowWarning(QWidget* field, const QString& message);

private:
    QLineEdit& m_field;
    std::optional<IntegerRange> m_range;
    Reporter m_report;
};
