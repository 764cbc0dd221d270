#include "sheets/PropertySheet.h"

#include "controls/EntryFields.h"
#include "model/LinNetwork.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kCancel = "Cancel";
const char* const kProblemStyle = "color: #c00000;";

bool IsEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

PropertySheet::PropertySheet(const SheetRequest& request, LinNetwork& network, const TextCodec& codec, QWidget* parent)
    : QDialog(parent), m_request(request), m_network(network), m_codec(codec), m_tabs(new QTabWidget(this)),
      m_problem(new QLabel(this))
{
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setStyleSheet(QString::fromLatin1(kProblemStyle));
    m_problem->setWordWrap(true);
    m_problem->hide();
    setWindowTitle(QString::fromStdString(request.caption));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromLatin1(kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheet::Commit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Every tab caption stays readable: the sheet grows instead of scrolling tabs.
    m_tabs->tabBar()->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    // List and tree widgets keep the Enter key for themselves; the
    // application-wide filter sees it first.
    qApp->installEventFilter(this);
}

PropertySheet::~PropertySheet() { qApp->removeEventFilter(this); }

void PropertySheet::Commit()
{
    if (m_committed || !NumbersAreValid())
        return;
    m_committed = true;
    WriteModel();
    accept();
}

bool PropertySheet::NumbersAreValid()
{
    // A field left as the sheet filled it keeps its value, even one outside
    // the range the page shows (a wildcard the file gives).
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        QWidget* page = m_tabs->widget(tab);
        for (NumberEdit* field : page->findChildren<NumberEdit*>()) {
            if (!field->isModified() || !field->isEnabled() || !field->isVisibleTo(page))
                continue;
            const QString problem = field->Problem();
            if (problem.isEmpty())
                continue;
            m_tabs->setCurrentIndex(tab);
            m_problem->setText(problem);
            m_problem->show();
            field->setFocus();
            field->selectAll();
            return false;
        }
    }
    m_problem->hide();
    return true;
}

void PropertySheet::AddPage(QWidget* page, const QString& caption)
{
    m_tabs->addTab(page, caption);
    m_tabs->setCurrentIndex(0);
}

bool PropertySheet::eventFilter(QObject* watched, QEvent* event)
{
    // Popups such as an open drop-down list are windows of their own and
    // keep Enter for choosing their entry.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && IsEnterKey(event) && isVisible() && (widget == this || isAncestorOf(widget))) {
        Commit();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
