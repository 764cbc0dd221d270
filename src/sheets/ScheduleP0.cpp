#include "sheets/ScheduleP0.h"

#include "controls/EntryFields.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QToolButton>

namespace {

constexpr int kTimeLength = 9;  // "9999.9999"

QToolButton* SpinArrow(Qt::ArrowType arrow, const char* objectName, QWidget* parent)
{
    auto* button = Named(new QToolButton(parent), objectName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

ScheduleP0::ScheduleP0(LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : ScheduleEntryPage(parent), m_network(network), m_codec(codec),
      m_typeName(Named(new ReadOnlyEdit(this), "typeName")), m_time(Named(new DecimalEdit(this, kTimeLength), "time")),
      m_minimumTime(Named(new QLabel(this), "minimumTime"))
{
    m_time->SetRange(ScheduleEntryForm::kTimeRange);
    QToolButton* up = SpinArrow(Qt::UpArrow, "spinUp", this);
    QToolButton* down = SpinArrow(Qt::DownArrow, "spinDown", this);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up);
    spin->addWidget(down);
    auto* time = new QHBoxLayout;
    time->addLayout(WithUnit(m_time, tr("ms"), this));
    time->addLayout(spin);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Type/Name"), m_typeName);
    layout->addRow(tr("Time"), time);
    layout->addRow(m_minimumTime);
    connect(up, &QToolButton::clicked, this, [this] { Spin(1); });
    connect(down, &QToolButton::clicked, this, [this] { Spin(-1); });
}

void ScheduleP0::Show(const ScheduleEntryForm& form)
{
    m_typeName->setText(m_codec.ToQt(form.typeName));
    m_time->setText(QString::fromStdString(form.time));
    m_minimumTime->setText(QString::fromStdString(form.minimumTime));
}

void ScheduleP0::ReadInto(ScheduleEntryForm& form) const { form.time = m_time->text().toStdString(); }

void ScheduleP0::Spin(int step)
{
    if (const std::optional<std::string> time =
            ScheduleEntryForm::SpinTimeText(m_network, m_time->text().toStdString(), step))
        m_time->setText(QString::fromStdString(*time));
}
