#pragma once

#include "common/Conversions.h"

#include <QString>

#include <utility>
#include <vector>

namespace morvane {

// The caption of a hairstyle thumbnail: the file name less its last four
// characters ("12.PNG" -> "12").
QString hairstyleCaption(const QString& fileName);

// The number that picks a hairstyle file: the first character alone when the
// second is a point ("7.PNG" -> "7"), else the name less its last four.
QString hairstyleNumberOfFileName(const QString& fileName);

// The catalogue's ordering step. For n = count down to 1 the first item whose
// caption reads as n moves to index n - 1. Folders numbered 1..count end in
// ascending order; with gaps the rule still holds as stated (1, 10, 2, 3, 5
// becomes 1, 2, 10, 3, 5). A caption that is not a whole number throws the
// integer conversion error, leaving the items as far as they were ordered.
template <typename Item, typename CaptionOf>
void orderByHairstyleNumber(std::vector<Item>& items, CaptionOf captionOf)
{
    const int count = static_cast<int>(items.size());
    for (int n = count; n >= 1; --n) {
        for (int i = 0; i < count; ++i) {
            if (toInteger(captionOf(items[i])) == n) {
                Item moved = std::move(items[i]);
                items.erase(items.begin() + i);
                items.insert(items.begin() + (n - 1), std::move(moved));
                break;
            }
        }
    }
}

} // namespace morvane
