#pragma once

#include <QCursor>
#include <QMap>
#include <QString>

namespace morvane {

// The program's own cursors, loaded by resource name into the numbered
// slots the tools use: 2 PEN, 3 FLOOD, 4 SMOOTH, 5 CLONE, 6 NORTH, 7 SOUTH,
// 8 WEST, 9 EAST, 10 DROP, 11 SPRAY.
class Cursors {
public:
    static constexpr int kFirstSlot = 2;
    static constexpr int kLastSlot = 11;

    // Loads the ten cursors into their slots.
    void load();

    bool contains(int slot) const { return m_slots.contains(slot); }
    // The cursor of a slot; the arrow for a slot that holds none.
    QCursor cursor(int slot) const;
    // The resource name a slot is loaded from ("PEN" for 2, ...), or empty.
    static QString resourceName(int slot);

private:
    QMap<int, QCursor> m_slots;
};

} // namespace morvane
