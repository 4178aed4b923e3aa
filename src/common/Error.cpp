#include "common/Error.h"

namespace morvane {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message) {}

} // namespace morvane
