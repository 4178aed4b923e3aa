#pragma once

#include "library/ContentPaths.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace morvane {

class Composition;
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

    // Where refresh() looks: the content tree and the canvas, whose hair
    // layer must exist for the list to be refreshed.
    void setSource(const ContentPaths& paths, const Composition& composition);

    // RefrescaPreview: rebuilds the list from the preview folder, the
    // pictures whose content matches their extension, in hairstyle-number
    // order. Without a hair layer on the canvas the list stays as it is. A
    // file name that is not a whole number stops the ordering with the
    // integer conversion error, the list keeping the items added.
    void refresh();

private:
    std::optional<ContentPaths> m_paths;
    const Composition* m_composition = nullptr;
    ThumbnailView* m_view;
    QLabel* m_group;
    QLabel* m_type;
};

} // namespace morvane
