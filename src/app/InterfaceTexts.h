#pragma once

#include <QStringList>

#include <vector>

class QWidget;

namespace morvane {

// The Portuguese texts of the interface. The English texts are the ones
// each window is built with; in the Portuguese interface each window
// replaces the texts listed here when it is created.
namespace InterfaceTexts {

enum class Kind {
    Caption,     // label, button, check box or menu item caption; a window's title
    Hint,        // tooltip
    PageCaption, // the tab caption of a page of the thumbnail panel
};

struct Text {
    const char* component; // objectName; empty: the window itself
    Kind kind;
    const char* portuguese;
};

const std::vector<Text>& mainWindowPortuguese();
const std::vector<Text>& preferencesPortuguese();

// Gives every listed component of `window` its text. Returns the
// components that were not found.
QStringList apply(QWidget* window, const std::vector<Text>& texts);

} // namespace InterfaceTexts

} // namespace morvane
