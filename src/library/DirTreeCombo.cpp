#include "library/DirTreeCombo.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>
#include <QVBoxLayout>

namespace morvane {

DirTreeCombo::DirTreeCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    // One entry: the selected folder. The list pop-up of the combo is
    // replaced by the tree.
    addItem(QString());
}

DirTreeCombo::~DirTreeCombo() = default;

bool DirTreeCombo::openPath(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    m_path = folder;
    showPath();
    emit pathChanged(m_path);
    return true;
}

void DirTreeCombo::showPath()
{
    setItemText(0, QDir::toNativeSeparators(m_path));
    setItemData(0, m_path);
    setToolTip(QDir::toNativeSeparators(m_path));
}

void DirTreeCombo::ensureTree()
{
    if (m_tree)
        return;
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setObjectName(QStringLiteral("DirTreePopup"));
    m_popup->setFrameShape(QFrame::Box);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);

    m_model = new QFileSystemModel(m_popup);
    m_model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_model->setRootPath(QDir::rootPath());

    m_tree = new QTreeView(m_popup);
    m_tree->setObjectName(QStringLiteral("DirTree"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setRootIndex(m_model->index(QDir::rootPath()));
    m_tree->setStyleSheet(QStringLiteral("QTreeView { background: #C0C0C0; }"));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_tree);

    connect(m_tree, &QTreeView::clicked, this, &DirTreeCombo::pick);
    connect(m_tree, &QTreeView::activated, this, &DirTreeCombo::pick);
}

void DirTreeCombo::showPopup()
{
    ensureTree();
    if (!m_path.isEmpty()) {
        const QModelIndex current = m_model->index(QDir::cleanPath(m_path));
        if (current.isValid()) {
            m_tree->setCurrentIndex(current);
            m_tree->scrollTo(current);
        }
    }
    const QPoint below = mapToGlobal(QPoint(0, height()));
    m_popup->setGeometry(below.x(), below.y(), width(), kTreeHeight);
    m_popup->show();
    m_tree->setFocus();
}

void DirTreeCombo::hidePopup()
{
    if (m_popup)
        m_popup->hide();
    QComboBox::hidePopup();
}

void DirTreeCombo::pick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QString folder = m_model->filePath(index);
    hidePopup();
    openPath(folder);
}

} // namespace morvane
