#include "sheets/SignalPPInit.h"

#include "controls/AddDeleteList.h"
#include "controls/CheckedIntegerEntry.h"
#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QPushButton>

SignalPPInit::SignalPPInit(QWidget* parent)
    : QWidget(parent),
      m_values(Named(new AddDeleteList(tr("Add init value"), tr("Delete selected init value"), this), "initValues")),
      m_value(Named(new DigitsEdit(this, true), "initValue")),
      m_entry(std::make_unique<CheckedIntegerEntry>(*m_value, SignalForm::kInitRange))
{
    m_value->setText(QStringLiteral("0"));
    auto* group = new QGroupBox(tr("Init value(s)"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_value, 0, Qt::AlignRight);
    groupLayout->addWidget(m_values);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    connect(m_values, &AddDeleteList::AddClicked, this, &SignalPPInit::AddValue);
}

SignalPPInit::~SignalPPInit() = default;

void SignalPPInit::Show(const SignalForm& form)
{
    m_byteArray = form.byteArray;
    m_values->SetItems(FixedList(form.initValues));
}

void SignalPPInit::ReadInto(SignalForm& form) const
{
    form.initValues.clear();
    for (const QString& value : m_values->Items())
        form.initValues.push_back(value.toStdString());
}

void SignalPPInit::SetByteArray(bool byteArray)
{
    m_byteArray = byteArray;
    if (!byteArray)
        m_values->SetItems(m_values->Items().mid(0, 1));
}

void SignalPPInit::AddValue()
{
    const std::optional<int> value = m_entry->Read();
    if (!value)
        return;
    SignalForm form;
    ReadInto(form);
    m_values->SetItems(FixedList(SignalForm::InitAfterAdd(form.initValues, *value, m_byteArray)));
}
