#include "sheets/DynFrmPage.h"

#include "controls/AddDeleteList.h"
#include "controls/ChoiceBox.h"
#include "sheets/PageHelpers.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace {

QStringList IdTexts(const std::vector<unsigned>& ids)
{
    QStringList texts;
    for (const unsigned id : ids)
        texts << QString::number(id);
    return texts;
}

}  // namespace

DynFrmPage::DynFrmPage(DynamicFramesForm& form, QWidget* parent)
    : QWidget(parent), m_form(form),
      m_dynamic(Named(new AddDeleteList(tr("Add frame id"), tr("Delete selected frame id"), this), "dynamicIds")),
      m_free(Named(new ChoiceBox(this), "freeIds"))
{
    auto* group = new QGroupBox(tr("Supported dyn. Frame ID's"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_dynamic);
    groupLayout->addWidget(m_free);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    connect(m_dynamic, &AddDeleteList::AddClicked, this, &DynFrmPage::AddSelectedFreeId);
    connect(m_dynamic, &AddDeleteList::Deleted, this, &DynFrmPage::GiveBack);
}

void DynFrmPage::ShowIds()
{
    m_dynamic->SetItems(IdTexts(m_form.dynamic));
    ShowFreeIds();
}

void DynFrmPage::ShowFreeIds()
{
    m_free->SetChoices(IdTexts(m_form.free));
    m_free->Select(QString());
}

void DynFrmPage::AddSelectedFreeId()
{
    const QString selected = m_free->Selected();
    if (selected.isEmpty())
        return;
    m_form.Add(selected.toUInt());
    ShowIds();
}

void DynFrmPage::GiveBack(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_form.dynamic.size())
        return;
    m_form.Remove(m_form.dynamic[static_cast<std::size_t>(row)]);
    ShowFreeIds();
}
