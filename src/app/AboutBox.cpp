#include "app/AboutBox.h"

#include "app/Icons.h"
#include "app/PanelWidgets.h"
#include "app/TitleTexts.h"
#include "settings/SettingsFile.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane {

AboutBox::AboutBox(const SettingsFile& settings, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_SOBRE"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(renderPicture(QStringLiteral(":/hairtypes/BTLC.svg"), QSize(64, 64)));
    top->addWidget(picture, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    m_product = new QLabel(TitleTexts::productTitle() + QLatin1Char(' ') + settings.read(QStringLiteral("Version")), this);
    m_product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = m_product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_product->setFont(bold);
    texts->addWidget(m_product);
    auto* line1 = new QLabel(TitleTexts::aboutLine1(), this);
    line1->setObjectName(QStringLiteral("Comments"));
    auto* line2 = new QLabel(TitleTexts::aboutLine2(), this);
    line2->setObjectName(QStringLiteral("Copyright"));
    texts->addWidget(line1);
    texts->addWidget(line2);
    texts->addStretch(1);
    top->addLayout(texts, 1);
    layout->addLayout(top);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString AboutBox::productLine() const
{
    return m_product->text();
}

void AboutBox::showEvent(QShowEvent* event)
{
    setWindowTitle(TitleTexts::aboutCaption());
    QDialog::showEvent(event);
}

} // namespace morvane
