#pragma once

#include <QWidget>

class QLabel;

namespace morvane {

class ThumbnailView;

// The Preview page: the bar with the style group and hair type labels of
// the last run, the Print button and the maximise button; and the view of
// the preview images, which takes no mouse or keyboard input.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(QWidget* parent = nullptr);

    ThumbnailView* view() const { return m_view; }
    QLabel* styleGroupLabel() const { return m_group; }
    QLabel* hairTypeLabel() const { return m_type; }

    // Rebuilds the list from the preview folder (RefrescaPreview).
    void refresh();

private:
    ThumbnailView* m_view;
    QLabel* m_group;
    QLabel* m_type;
};

} // namespace morvane
