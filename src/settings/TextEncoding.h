#pragma once

#include <QByteArray>
#include <QString>

namespace morvane {

// Text files from earlier installations were written in Windows-1252; ours
// are UTF-8. Decodes as UTF-8 when the bytes are valid UTF-8, else as
// Windows-1252.
QString decodeEightBitText(const QByteArray& bytes, bool* wasUtf8 = nullptr);

} // namespace morvane
