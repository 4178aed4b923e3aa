#pragma once

#include <QString>

#include <array>
#include <functional>

namespace morvane {

// The eighteen cells of the print preview sheet, six across and three down,
// and the rules that fill them.
inline constexpr int kSheetCells = 18;

// The number shown in each cell, cell k at index k - 1; 0 leaves it hidden.
using SheetCells = std::array<int, kSheetCells>;

// Paging through the preview pictures of the preview folder.
class SheetPaging {
public:
    // Whether preview picture n exists.
    using Exists = std::function<bool(int)>;

    // Opening with preview pictures: cell k shows picture k when it exists;
    // page 1. The next picture to show is the one after the highest shown,
    // so that Next Screen carries on past this sheet even when pictures
    // below it are missing.
    SheetCells open(const Exists& exists);

    // Next Screen: consecutive pictures from the next one on, into cells 1,
    // 2, ..., stopping at the first number that has none; when the next
    // picture does not exist the sheet starts again from picture 1 on page 1.
    SheetCells nextScreen(const Exists& exists);

    // Page 1 again, the next picture left as it is (the gallery sheet).
    void restartPage() { m_page = 1; }

    int nextNumber() const { return m_next; }
    int page() const { return m_page; }

private:
    int m_next = 1;
    int m_page = 1;
};

// The gallery sheet: cell k shows gallery item k when it exists.
SheetCells gallerySheet(const SheetPaging::Exists& exists);

// The header line of a printed sheet: salon name, style group, hair type and
// page number; the page word is Portuguese when `language` is "BR".
QString sheetHeader(const QString& salonName, const QString& styleGroup, const QString& hairType,
                    const QString& language, int page);

} // namespace morvane
