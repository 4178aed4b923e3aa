#include "gallery/GalleryPage.h"

#include "app/PanelWidgets.h"
#include "library/ThumbnailView.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane {

GalleryPage::GalleryPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QFrame* bar = makeBar(QStringLiteral("Panel4"), 60, this);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(6, 3, 4, 3);
    rows->setSpacing(3);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    const QSize size(26, 26);
    QToolButton* newFolder = makePictureButton(QStringLiteral("BT_FOLDER"), QStringLiteral("newfolder"),
                                               QStringLiteral("Create a person's folder"), QSize(64, 26), bar);
    newFolder->setText(QStringLiteral("New"));
    newFolder->setIconSize(QSize(20, 20));
    newFolder->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(newFolder);
    buttons->addWidget(makePictureButton(QStringLiteral("BT_DELGALLERY"), QStringLiteral("deletephotos"),
                                         QStringLiteral("Delete gallery photo(s)"), size, bar));
    buttons->addWidget(makePictureButton(QStringLiteral("BT_DELDIR"), QStringLiteral("deletefolder"),
                                         QStringLiteral("Delete Gallery Folder"), size, bar));
    QToolButton* print = makePictureButton(QStringLiteral("BT_PRINTG"), QStringLiteral("print"),
                                           QString(), QSize(64, 26), bar);
    print->setText(QStringLiteral("Print"));
    print->setIconSize(QSize(20, 20));
    print->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(print);
    buttons->addStretch(1);
    auto* spin = new StepSpinBox(QStringLiteral("jvSpinEdit3"), 0, 500, 185, bar);
    spin->setToolTip(QStringLiteral("Thumbnails Size"));
    spin->hide();
    buttons->addWidget(spin);
    buttons->addWidget(makePictureButton(QStringLiteral("BTMAX3"), QStringLiteral("maximize"),
                                         QStringLiteral("Maximize"), size, bar));
    rows->addLayout(buttons);

    m_persons = new QComboBox(bar);
    m_persons->setObjectName(QStringLiteral("cbGallery"));
    m_persons->setToolTip(QStringLiteral("Open a person's folder"));
    m_persons->setEditable(true);
    m_persons->setInsertPolicy(QComboBox::NoInsert);
    rows->addWidget(m_persons);
    layout->addWidget(bar);

    m_view = new ThumbnailView(this);
    m_view->setObjectName(QStringLiteral("ImageEnMView3"));
    m_view->setImageFrame(false);
    m_view->setSelectionMode(ThumbnailView::Selection::Multiple);
    layout->addWidget(m_view, 1);
}

void GalleryPage::addPerson(const QString& name)
{
    int position = 0;
    while (position < m_persons->count()
           && QString::compare(m_persons->itemText(position), name, Qt::CaseInsensitive) <= 0)
        ++position;
    const QSignalBlocker blocker(m_persons);
    const int current = m_persons->currentIndex();
    m_persons->insertItem(position, name);
    if (current < 0) {
        m_persons->setCurrentIndex(-1);
        m_persons->setEditText(QString());
    }
}

void GalleryPage::fillPersonList(const QString& galleryFolder)
{
    const QDir folder(galleryFolder);
    const QStringList names = folder.entryList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : names)
        addPerson(name);
    const QSignalBlocker blocker(m_persons);
    m_persons->setCurrentIndex(-1);
    m_persons->setEditText(QString());
}

QString GalleryPage::openPerson() const
{
    return m_persons->currentIndex() < 0 ? QString() : m_persons->currentText();
}

void GalleryPage::refresh(const QString& person)
{
    Q_UNUSED(person);
    // The gallery fills the view from the person folder's items; until it
    // is in place the view stays empty.
    m_view->clear();
}

} // namespace morvane
