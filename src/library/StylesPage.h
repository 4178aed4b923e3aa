#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QToolButton;

namespace morvane {

class ContentPaths;
class ThumbnailView;

// The Styles page: the bar with the selection label, the eight style group
// buttons (one radio group), the seven hair type buttons (a second radio
// group), the side view box and the maximise button; and the hairstyle
// thumbnail view.
class StylesPage : public QWidget {
    Q_OBJECT
public:
    explicit StylesPage(QWidget* parent = nullptr);

    ThumbnailView* view() const { return m_view; }
    QLabel* selectionLabel() const { return m_label; }
    // In button order: BTS1 ... BTS7, BTUS; their hints are the group names.
    const QList<QToolButton*>& styleGroupButtons() const { return m_groupButtons; }
    // In index order: BTCC ... BTFM; their hints are the hair type names.
    const QList<QToolButton*>& hairTypeButtons() const { return m_typeButtons; }
    QCheckBox* sideViewBox() const { return m_sideView; }

    // Rebuilds the hairstyle list (RefrescaCabelos) from the files of the
    // style group and hair type. A missing or empty folder, or an empty
    // group or type, gives an empty list.
    void refresh(const ContentPaths& paths, const QString& styleGroup, const QString& hairType);
    // The list from these files, in the order given (the file system's):
    // each gets its thumbnail and caption, then the ordering step runs.
    // A caption that is not a whole number throws the integer conversion
    // error, the list left as far as it was ordered.
    void showHairstyles(const QStringList& files);

    // The label after a button click: "Styles3: Long and Dark".
    void setSelectionText(const QString& styleGroup, const QString& hairType);

signals:
    void styleGroupClicked(const QString& styleGroup);
    void hairTypeClicked(int index);
    // A hairstyle picked by the user in the list (mouse or keys).
    void hairstylePicked(const QString& path);

private:
    ThumbnailView* m_view;
    QLabel* m_label;
    QList<QToolButton*> m_groupButtons;
    QList<QToolButton*> m_typeButtons;
    QButtonGroup* m_groups;
    QButtonGroup* m_types;
    QCheckBox* m_sideView;
};

} // namespace morvane
