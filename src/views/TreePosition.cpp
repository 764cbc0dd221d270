#include "views/TreePosition.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// The text the line shows before anything has been selected.
const char* const kInitialText = "Static";
constexpr int kFontPixels = 17;

}  // namespace

TreePosition::TreePosition(QWidget* parent) : QFrame(parent), m_path(new QLabel(QLatin1String(kInitialText), this))
{
    setObjectName(QStringLiteral("treePosition"));
    m_path->setObjectName(QStringLiteral("positionText"));
    QFont font = m_path->font();
    font.setPixelSize(kFontPixels);
    font.setWeight(QFont::Black);
    m_path->setFont(font);
    m_path->setTextFormat(Qt::PlainText);
    m_path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(m_path);
    setMinimumHeight(0);
}

void TreePosition::SetPath(const QString& text) { m_path->setText(text); }

QString TreePosition::Path() const { return m_path->text(); }
