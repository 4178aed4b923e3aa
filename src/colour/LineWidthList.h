#pragma once

#include <QComboBox>

namespace morvane {

// The line-width drop-down list: widths 1 to 20, each shown as a line of
// its width beside its number; 10 at start.
class LineWidthList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 20;
    static constexpr int kStartWidth = 10;

    explicit LineWidthList(QWidget* parent = nullptr);

    int lineWidth() const { return currentIndex() + 1; }
    void setLineWidth(int width);
};

} // namespace morvane
