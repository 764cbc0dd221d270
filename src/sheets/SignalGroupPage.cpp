#include "sheets/SignalGroupPage.h"

#include "controls/AddDeleteList.h"
#include "controls/EntryFields.h"
#include "controls/PopupChooser.h"
#include "sheets/PageHelpers.h"

#include <QFormLayout>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

// Shown to users verbatim; keep the spelling.
const char* const kAddSignal = "Add Signal";

}  // namespace

SignalGroupPage::SignalGroupPage(SignalGroupForm& form, const LinNetwork& network, const TextCodec& codec,
                                 QWidget* parent)
    : QWidget(parent), m_form(form), m_network(network), m_codec(codec), m_name(Named(new NameEdit(this), "name")),
      m_size(Named(new DigitsEdit(this), "size")),
      m_members(Named(new AddDeleteList(tr("Add signal"), tr("Delete selected signal"), this), "members")),
      m_offset(Named(new DigitsEdit(this), "offset")), m_problem(Named(new QLabel(this), "groupProblem"))
{
    m_size->setToolTip(tr("%1 to %2 bits").arg(SignalGroupForm::kSizeRange.min).arg(SignalGroupForm::kSizeRange.max));
    m_offset->setToolTip(tr("%1 to %2").arg(SignalGroupForm::kOffsetRange.min).arg(SignalGroupForm::kOffsetRange.max));
    m_problem->setStyleSheet(QStringLiteral("color: red"));
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Name"), m_name);
    layout->addRow(tr("Size"), WithUnit(m_size, tr("bits"), this));
    layout->addRow(tr("Signals"), m_members);
    layout->addRow(tr("Offset"), m_offset);
    layout->addRow(m_problem);
    connect(m_members, &AddDeleteList::AddClicked, this, &SignalGroupPage::AddMember);
    connect(m_members, &AddDeleteList::Deleted, this, [this](int row) {
        m_form.Remove(row);
        ShowOffset();
    });
    connect(m_members->List(), &QListWidget::currentRowChanged, this, &SignalGroupPage::ShowOffset);
    connect(m_offset, &QLineEdit::textEdited, this, &SignalGroupPage::TakeOffset);
    connect(m_size, &QLineEdit::textEdited, this, [this](const QString& text) {
        SignalGroupForm typed;
        typed.size = text.toStdString();
        m_problem->setText(QString::fromStdString(typed.SizeProblem()));
    });
}

void SignalGroupPage::Show()
{
    m_name->setText(m_codec.ToQt(m_form.name));
    m_size->setText(QString::fromStdString(m_form.size));
    ShowMembers(-1);
}

void SignalGroupPage::ReadInto(SignalGroupForm& form) const
{
    form.name = m_codec.FromQt(m_name->text());
    form.size = m_size->text().toStdString();
}

void SignalGroupPage::AddMember()
{
    const std::vector<std::string> signals = m_form.SignalChoices(m_network);
    const int choice = ChooseFromMenu(ChoiceMenu{kAddSignal, {{{}, signals}}}, m_codec, this, m_runMenu);
    if (choice < 0 || static_cast<std::size_t>(choice) >= signals.size())
        return;
    if (const std::optional<int> row = m_form.AddSignal(m_network, signals[static_cast<std::size_t>(choice)]))
        ShowMembers(*row);
}

void SignalGroupPage::ShowMembers(int selectedRow)
{
    m_members->SetItems(ToQtList(m_form.MemberTexts(), m_codec), selectedRow);
    ShowOffset();
}

void SignalGroupPage::ShowOffset()
{
    const int row = SelectedRow();
    m_offset->setEnabled(row >= 0);
    m_offset->setText(row >= 0 ? QString::number(m_form.members[static_cast<std::size_t>(row)].offset) : QString());
}

void SignalGroupPage::TakeOffset(const QString& text)
{
    const int row = SelectedRow();
    m_problem->setText(QString::fromStdString(m_form.SetOffset(row, text.toStdString())));
    if (QListWidgetItem* item = m_members->List()->item(row)) {
        const QSignalBlocker quiet(m_members->List());
        item->setText(m_codec.ToQt(m_form.MemberTexts()[static_cast<std::size_t>(row)]));
    }
}

int SignalGroupPage::SelectedRow() const
{
    const int row = m_members->List()->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < m_form.members.size() ? row : -1;
}
