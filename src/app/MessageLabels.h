#pragma once

#include <QString>

class QWidget;

namespace morvane {

// The message texts of the program are the captions of invisible labels
// "Label1" ... "Label25" on the main window, so that they follow the
// interface language. Only the numbers the program uses exist.
namespace MessageLabels {

// Creates the hidden labels, with their English captions, as children of `owner`.
void create(QWidget* owner);

// The caption of label `number` of `owner` at this moment; empty when the
// label does not exist.
QString text(const QWidget* owner, int number);

} // namespace MessageLabels

} // namespace morvane
