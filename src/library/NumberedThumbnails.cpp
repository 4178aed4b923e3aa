#include "library/NumberedThumbnails.h"

#include "library/HairstyleNumbers.h"
#include "library/ThumbnailView.h"

namespace morvane {

void showInNumberOrder(ThumbnailView& view, std::vector<LoadedThumbnail> loaded)
{
    std::vector<ThumbnailView::Item> items;
    items.reserve(loaded.size());
    for (LoadedThumbnail& thumbnail : loaded) {
        const QString name = thumbnail.path.section(QLatin1Char('/'), -1);
        items.push_back({thumbnail.path, std::move(thumbnail.image), hairstyleCaption(name)});
    }
    try {
        orderByHairstyleNumber(items, [](const ThumbnailView::Item& item) { return item.caption; });
    } catch (...) {
        view.setItems(std::move(items));
        throw;
    }
    view.setItems(std::move(items));
    view.clearSelection();
    view.viewport()->update();
}

} // namespace morvane
