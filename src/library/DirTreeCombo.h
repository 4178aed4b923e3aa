#pragma once

#include <QComboBox>
#include <QString>

class QFileSystemModel;
class QFrame;
class QModelIndex;
class QTreeView;

namespace morvane {

// The folder picker: a read-only combo showing one folder, whose pop-up is
// a tree of the computer's folders (directories only, 240 pixels high,
// silver). Picking a folder in the tree, or the program opening one,
// makes it the selected folder and emits pathChanged.
class DirTreeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DirTreeCombo(QWidget* parent = nullptr);
    ~DirTreeCombo() override;

    // The selected folder, as it was given (a trailing separator stays).
    QString selectedPath() const { return m_path; }

    // Makes `folder` the selected one and emits pathChanged. A folder that
    // does not exist leaves the previous one selected and returns false.
    bool openPath(const QString& folder);

    void showPopup() override;
    void hidePopup() override;

    // The pop-up's tree, created at the first pop-up (null before).
    QTreeView* tree() const { return m_tree; }

    static constexpr int kTreeHeight = 240;

signals:
    void pathChanged(const QString& path);

private:
    void ensureTree();
    void pick(const QModelIndex& index);
    void showPath();

    QString m_path;
    QFrame* m_popup = nullptr;
    QTreeView* m_tree = nullptr;
    QFileSystemModel* m_model = nullptr;
};

} // namespace morvane
