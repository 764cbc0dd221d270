#include "app/AboutBox.h"

#include "gui/AppTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct LinkTarget {
    const char* url;
    const char* caption;
};

const LinkTarget kLinks[] = {
    {"https://roreve.example/duvazadi", "Roreve: Duvazadi"},
    {"https://www.iso.org/standard/61222.html", "The LIN standard (ISO 17987)"},
    {"https://en.wikipedia.org/wiki/Local_Interconnect_Network", "LIN in vehicles"},
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QLatin1String(ui::AboutCaption));

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/icons/duvazadi-64.png")));
    picture->setAlignment(Qt::AlignTop);

    auto* version =
        new QLabel(QStringLiteral("%1 Version %2, %3")
                       .arg(QLatin1String(ui::AppTitle), QLatin1String(ui::Version), QLatin1String(ui::Maker)),
                   this);
    version->setObjectName(QStringLiteral("versionLine"));
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    version->setFont(bold);

    auto* about = new QLabel(QLatin1String(ui::AboutText), this);
    about->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(about);
    text->addSpacing(8);
    for (const LinkTarget& target : kLinks) {
        auto* link = new WebLinkLabel(QLatin1String(target.url), QLatin1String(target.caption), this);
        m_links.push_back(link);
        text->addWidget(link);
    }
    text->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* body = new QGridLayout(this);
    body->addWidget(picture, 0, 0);
    body->addLayout(text, 0, 1);
    body->addWidget(buttons, 1, 0, 1, 2);
    body->setColumnStretch(1, 1);
    body->setHorizontalSpacing(16);
    setFixedWidth(480);
}
