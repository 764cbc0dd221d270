#include "app/CompareDialog.h"

#include "app/CloseButton.h"
#include "editing/HoverTexts.h"
#include "gui/AppTexts.h"
#include "gui/TextCodec.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CompareDialog::CompareDialog(std::vector<Difference> differences, const QString& openName, const QString& otherFile,
                             const TextCodec& codec, PathChooser choosePath, QWidget* parent)
    : QDialog(parent), m_differences(std::move(differences)), m_choosePath(std::move(choosePath)),
      m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(QLatin1String(ui::CompareCaption) + QFileInfo(otherFile).fileName());

    m_list->setObjectName(QStringLiteral("differenceList"));
    m_list->setToolTip(QLatin1String(ui::DifferenceListTip));
    for (const Difference& difference : m_differences)
        m_list->addItem(codec.ToQt(difference.Text()));
    if (m_differences.empty()) {
        m_list->addItem(QLatin1String(ui::NoDifferences));
        m_list->setEnabled(false);
    }
    connect(m_list, &QListWidget::currentRowChanged, this, &CompareDialog::OnDifferenceChosen);

    QPushButton* closeButton = MakeCloseButton(*this);
    auto* sides = new QLabel(
        QString::fromStdString(CompareSidesText(openName.toStdString(), QFileInfo(otherFile).fileName().toStdString())),
        this);
    sides->setObjectName(QStringLiteral("sides"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sides);
    layout->addWidget(m_list, 1);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    resize(640, 420);
}

void CompareDialog::OnDifferenceChosen(int row)
{
    if (row >= 0 && static_cast<std::size_t>(row) < m_differences.size() && m_choosePath)
        m_choosePath(m_differences[static_cast<std::size_t>(row)].path);
}
