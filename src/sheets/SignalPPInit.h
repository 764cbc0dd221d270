#pragma once

#include "editing/SignalForms.h"

#include <QWidget>

#include <memory>

class AddDeleteList;
class CheckedIntegerEntry;
class DigitsEdit;

// The "Init" page of a signal: its initial values, one for a scalar, one
// per byte for a byte array, added through a checked field.
class SignalPPInit : public QWidget {
    Q_OBJECT

public:
    explicit SignalPPInit(QWidget* parent = nullptr);
    ~SignalPPInit() override;

    void Show(const SignalForm& form);
    void ReadInto(SignalForm& form) const;
    // A scalar keeps only its first value.
    void SetByteArray(bool byteArray);

private:
    void AddValue();

    AddDeleteList* m_values;
    DigitsEdit* m_value;
    std::unique_ptr<CheckedIntegerEntry> m_entry;
    bool m_byteArray = false;
};
