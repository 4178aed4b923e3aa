#include "library/StylesPage.h"

#include "app/Icons.h"
#include "app/PanelWidgets.h"
#include "app/WaitCursor.h"
#include "library/HairTypes.h"
#include "library/HairstyleCatalogue.h"
#include "library/NumberedThumbnails.h"
#include "library/ThumbnailLoader.h"
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
    rows->setContentsMargins(3, 1, 2, 1);
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
    typesRow->setSpacing(0);
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
    typesRow->addStretch(1);
    m_sideView = new QCheckBox(QStringLiteral("Side View"), bar);
    m_sideView->setObjectName(QStringLiteral("CHECK_SIDE"));
    m_sideView->setToolTip(QStringLiteral("Show side view for Styles6?"));
    m_sideView->setLayoutDirection(Qt::RightToLeft); // text left of the box
    m_sideView->setChecked(true);
    m_sideView->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    typesRow->addWidget(m_sideView);
    rows->addLayout(typesRow);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView2"));
    m_view->setImageFrame(true);
    m_view->setSelectionMode(ThumbnailView::Selection::Single);
    layout->addWidget(m_view, 1);
    connect(m_view, &ThumbnailView::itemPicked, this, [this](int index) {
        if (index >= 0 && index < m_view->count())
            emit hairstylePicked(m_view->item(index).path);
    });
}

void StylesPage::refresh(const ContentPaths& paths, const QString& styleGroup,
                         const QString& hairType)
{
    showHairstyles(listHairstyleFiles(paths, styleGroup, hairType));
}

void StylesPage::showHairstyles(const QStringList& files)
{
    struct CursorBack {
        ~CursorBack() { showNormalCursor(); }
    } cursorBack;
    showWaitCursor();
    m_view->clear();

    // Every picture is decoded now, in parallel, while the window waits; a
    // file that cannot be decoded keeps its place with the placeholder.
    std::vector<LoadedThumbnail> loaded = loadThumbnails(files, m_view->thumbnailSize());
    showInNumberOrder(*m_view, std::move(loaded));
}

void StylesPage::setSelectionText(const QString& styleGroup, const QString& hairType)
{
    m_label->setText(styleGroup + QStringLiteral(": ") + hairType);
}

} // namespace morvane
