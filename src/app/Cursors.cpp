#include "app/Cursors.h"

#include "app/Icons.h"

#include <QPoint>

#include <array>

namespace morvane {

namespace {

struct CursorPicture {
    int slot;
    const char* name;
    QPoint hotSpot; // in the 32 x 32 picture
};

constexpr std::array<CursorPicture, 10> kCursors{{
    {2, "PEN", {2, 30}},
    {3, "FLOOD", {2, 30}},
    {4, "SMOOTH", {16, 20}},
    {5, "CLONE", {16, 31}},
    {6, "NORTH", {16, 2}},
    {7, "SOUTH", {16, 30}},
    {8, "WEST", {2, 16}},
    {9, "EAST", {30, 16}},
    {10, "DROP", {2, 30}},
    {11, "SPRAY", {16, 16}},
}};

} // namespace

void Cursors::load()
{
    m_slots.clear();
    for (const CursorPicture& picture : kCursors) {
        const QString path = QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(picture.name));
        const QPixmap pixmap = renderPicture(path, QSize(32, 32));
        m_slots.insert(picture.slot, QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y()));
    }
}

QCursor Cursors::cursor(int slot) const
{
    return m_slots.value(slot, QCursor(Qt::ArrowCursor));
}

QString Cursors::resourceName(int slot)
{
    for (const CursorPicture& picture : kCursors) {
        if (picture.slot == slot)
            return QLatin1String(picture.name);
    }
    return {};
}

} // namespace morvane
