#include "library/StylesPage.h"

#include "app/Icons.h"
#include "app/PanelWidgets.h"
#include "library/HairTypes.h"
#include "library/ThumbnailView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

const char* const kGroupButtonNames[] = {"BTS1", "BTS2", "BTS3", "BTS4",
                                         "BTS5", "BTS6", "BTS7", "BTUS"};
const char* const kGroupCaptions[] = {"1", "2", "3", "4", "5", "6", "7", "U"};
const char* const kTypeButtonNames[] = {"BTCC", "BTCE", "BTMC", "BTME", "BTLC", "BTLE", "BTFM"};

} // namespace

StylesPage::StylesPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QFrame* bar = makeBar(QStringLiteral("Panel3"), 77, this);
    bar->setStyleSheet(QLatin1String(kPictureButtonStyle));
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(4, 1, 4, 1);
    rows->setSpacing(1);

    auto* top = new QHBoxLayout;
    m_label = new QLabel(bar);
    m_label->setObjectName(QStringLiteral("lbStyles"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    top->addWidget(m_label, 1);
    auto* spin = new StepSpinBox(QStringLiteral("jvSpinEdit2"), 0, 500, 185, bar);
    spin->setToolTip(QStringLiteral("Thumbnails Size"));
    spin->hide();
    top->addWidget(spin);
    top->addWidget(makePictureButton(QStringLiteral("BTMAX2"), QStringLiteral("maximize"),
                                     QStringLiteral("Maximize"), QSize(20, 20), bar));
    rows->addLayout(top);

    auto* groupsRow = new QHBoxLayout;
    groupsRow->setSpacing(1);
    m_groups = new QButtonGroup(this);
    m_groups->setExclusive(true);
    const QStringList& groups = styleGroupNames();
    for (int i = 0; i < groups.size(); ++i) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QLatin1String(kGroupButtonNames[i]));
        button->setText(QLatin1String(kGroupCaptions[i]));
        button->setToolTip(groups.at(i));
        button->setCheckable(true);
        button->setFixedSize(23, 23);
        button->setFocusPolicy(Qt::NoFocus);
        m_groups->addButton(button, i);
        m_groupButtons.append(button);
        groupsRow->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                [this, name = groups.at(i)] { emit styleGroupClicked(name); });
    }
    m_groupButtons.at(6)->setChecked(true); // BTS7, as designed
    groupsRow->addStretch(1);
    rows->addLayout(groupsRow);

    auto* typesRow = new QHBoxLayout;
    typesRow->setSpacing(1);
    m_types = new QButtonGroup(this);
    m_types->setExclusive(true);
    const QStringList& types = hairTypeNames();
    for (int i = 0; i < types.size(); ++i) {
        auto* button = new QToolButton(bar);
        const QString name = QLatin1String(kTypeButtonNames[i]);
        button->setObjectName(name);
        button->setToolTip(types.at(i));
        button->setIcon(programIcon(QStringLiteral(":/hairtypes/%1.svg").arg(name)));
        button->setIconSize(QSize(25, 25));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(31, 31);
        button->setFocusPolicy(Qt::NoFocus);
        m_types->addButton(button, i);
        m_typeButtons.append(button);
        typesRow->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, i] { emit hairTypeClicked(i); });
    }
    m_typeButtons.at(0)->setChecked(true); // BTCC, as designed
    typesRow->addSpacing(4);
    m_sideView = new QCheckBox(QStringLiteral("Side View"), bar);
    m_sideView->setObjectName(QStringLiteral("CHECK_SIDE"));
    m_sideView->setToolTip(QStringLiteral("Show side view for Styles6?"));
    typesRow->addWidget(m_sideView);
    typesRow->addStretch(1);
    rows->addLayout(typesRow);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView2"));
    m_view->setImageFrame(true);
    m_view->setSelectionMode(ThumbnailView::Selection::Single);
    layout->addWidget(m_view, 1);
}

void StylesPage::refresh()
{
    // The hairstyle catalogue fills the list for the current style group
    // and hair type; until it is in place the list stays empty.
    m_view->clear();
}

} // namespace morvane
