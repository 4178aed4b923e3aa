#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace morvane {

// The height of the white band above the captured sheet that carries the header.
inline constexpr int kSheetHeaderBand = 20;

// The header font: Arial 12 points, drawn at 96 pixels per inch.
QFont sheetHeaderFont();

// The printed page of the print preview sheet: the captured sheet with its
// top row and left column painted white (the border line the capture picks
// up), under a white band of kSheetHeaderBand pixels holding `header` in
// black at x = 10, y = 0. Format_RGB32, as wide as the capture.
QImage composeSheetPage(const QImage& captured, const QString& header);

} // namespace morvane
