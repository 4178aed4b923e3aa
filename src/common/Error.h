#pragma once

#include <QString>
#include <stdexcept>

namespace morvane {

// The one error type of the program. Operations throw it; the handler that
// started the operation catches it and shows the default error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);

    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace morvane
