#include "printing/SheetPage.h"

#include <QPainter>

namespace morvane {

QFont sheetHeaderFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16); // 12 points at 96 pixels per inch
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QImage composeSheetPage(const QImage& captured, const QString& header)
{
    QImage sheet = captured.convertToFormat(QImage::Format_RGB32);
    if (!sheet.isNull()) {
        QPainter edges(&sheet);
        edges.fillRect(0, 0, sheet.width(), 1, Qt::white);
        edges.fillRect(0, 0, 1, sheet.height(), Qt::white);
    }

    QImage page(qMax(1, sheet.width()), sheet.height() + kSheetHeaderBand, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(0, kSheetHeaderBand, sheet);
    painter.setFont(sheetHeaderFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(10, 0, page.width() - 10, kSheetHeaderBand),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, header);
    painter.end();
    return page;
}

} // namespace morvane
