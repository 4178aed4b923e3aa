#include "printing/SheetPaging.h"

namespace morvane {

SheetCells SheetPaging::open(const Exists& exists)
{
    SheetCells cells{};
    int highest = 0;
    for (int k = 1; k <= kSheetCells; ++k) {
        if (exists(k)) {
            cells[k - 1] = k;
            highest = k;
        }
    }
    m_next = highest + 1;
    m_page = 1;
    return cells;
}

SheetCells SheetPaging::nextScreen(const Exists& exists)
{
    int offset = m_page * kSheetCells;
    if (!exists(m_next)) {
        m_next = 1;
        offset = 0;
        m_page = 0;
    }
    SheetCells cells{};
    while (m_next - offset >= 1 && m_next - offset <= kSheetCells && exists(m_next)) {
        cells[m_next - offset - 1] = m_next;
        ++m_next;
    }
    ++m_page;
    return cells;
}

SheetCells gallerySheet(const SheetPaging::Exists& exists)
{
    SheetCells cells{};
    for (int k = 1; k <= kSheetCells; ++k)
        cells[k - 1] = exists(k) ? k : 0;
    return cells;
}

QString sheetHeader(const QString& salonName, const QString& styleGroup, const QString& hairType,
                    const QString& language, int page)
{
    const QString pageWord = language == QLatin1String("BR") ? QStringLiteral(" - Pág. ")
                                                             : QStringLiteral(" - Page ");
    return salonName + QStringLiteral(" - ") + styleGroup + QStringLiteral(": ") + hairType
        + pageWord + QString::number(page);
}

} // namespace morvane
