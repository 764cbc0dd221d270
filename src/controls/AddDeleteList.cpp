#include "controls/AddDeleteList.h"

#include "controls/KeyActions.h"
#include "editing/ListChoices.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 16;

// Draws one button image on a transparent square.
template <typename Draw> QIcon PaintedIcon(Draw draw)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

// A green arrow pointing left, into the list.
QIcon AddIcon()
{
    return PaintedIcon([](QPainter& painter) {
        QPainterPath arrow;
        arrow.moveTo(1, 8);
        arrow.lineTo(8, 2);
        arrow.lineTo(8, 5);
        arrow.lineTo(15, 5);
        arrow.lineTo(15, 11);
        arrow.lineTo(8, 11);
        arrow.lineTo(8, 14);
        arrow.closeSubpath();
        painter.setPen(QPen(QColor(0, 100, 0), 1));
        painter.setBrush(QColor(40, 170, 40));
        painter.drawPath(arrow);
    });
}

// A red cross.
QIcon DeleteIcon()
{
    return PaintedIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(3, 3, 13, 13);
        painter.drawLine(13, 3, 3, 13);
    });
}

QPushButton* IconButton(const QIcon& icon, const QString& tip, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(icon, QString(), parent);
    button->setToolTip(tip);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

}  // namespace

AddDeleteList::AddDeleteList(const QString& addTip, const QString& deleteTip, QWidget* parent)
    : QWidget(parent), m_list(new QListWidget(this)), m_add(IconButton(AddIcon(), addTip, "add", this)),
      m_delete(IconButton(DeleteIcon(), deleteTip, "delete", this))
{
    m_list->setObjectName(QStringLiteral("list"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &AddDeleteList::AddClicked);
    connect(m_delete, &QPushButton::clicked, this, &AddDeleteList::DeleteSelected);
    (new KeyActions(m_list))->On(Qt::Key_Delete, Qt::NoModifier, [this] { DeleteSelected(); });
}

void AddDeleteList::SetItems(const QStringList& texts, int selectedRow)
{
    m_list->clear();
    m_list->addItems(texts);
    m_list->setCurrentRow(selectedRow);
}

QStringList AddDeleteList::Items() const
{
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row)
        texts << m_list->item(row)->text();
    return texts;
}

void AddDeleteList::DeleteSelected()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->row(selected.front());
    delete m_list->takeItem(row);
    Q_EMIT Deleted(row);
    m_list->setCurrentRow(RowAfterDelete(row, m_list->count()));
}
