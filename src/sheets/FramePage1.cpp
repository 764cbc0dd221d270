#include "sheets/FramePage1.h"

#include "controls/ChoiceBox.h"
#include "controls/EntryFields.h"
#include "editing/SignalForms.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>

FramePage1::FramePage1(const LinNetwork& network, int index, const TextCodec& codec, QWidget* parent)
    : QWidget(parent), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_id(Named(new ChoiceBox(this), "id")), m_size(Named(new ChoiceBox(this), "size")),
      m_publisher(Named(new ChoiceBox(this), "publisher"))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("ID"), m_id);
    layout->addRow(tr("Size"), WithUnit(m_size, tr("Byte(s)"), this));
    layout->addRow(tr("Publisher"), m_publisher);
    m_id->SetChoices(FixedList(FrameForm::IdChoices(network, index)));
    m_size->SetChoices(FixedList(FrameForm::SizeChoices()));
    m_publisher->SetChoices(ToQtList(SignalForm::NodeChoices(network), codec));

    connect(m_id, &QComboBox::activated, this, [this] {
        m_size->Select(QString::fromStdString(FrameForm::SizeForId(m_id->Selected().toInt(nullptr, 0))));
    });
    connect(m_publisher, &QComboBox::activated, this,
            [this] { Q_EMIT PublisherChosen(m_codec.FromQt(m_publisher->Selected())); });
}

void FramePage1::Show(const FrameForm& form)
{
    m_name->setText(m_codec.ToQt(form.name));
    m_id->Select(QString::fromStdString(form.id));
    m_size->Select(QString::fromStdString(form.size));
    m_publisher->Select(m_codec.ToQt(form.publisher));
}

void FramePage1::ReadInto(FrameForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.id = m_id->Selected().toStdString();
    form.size = m_size->Selected().toStdString();
    form.publisher = m_codec.FromQt(m_publisher->Selected());
}
