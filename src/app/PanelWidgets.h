#pragma once

#include <QColor>
#include <QSize>
#include <QSpinBox>
#include <QString>

class QFrame;
class QHBoxLayout;
class QVBoxLayout;
class QToolButton;
class QWidget;

namespace morvane {

// Building blocks shared by the pages of the thumbnail panel and the dialogs.

inline const QColor kPanelColour(0xAD, 0xD8, 0xE6); // bars, dialogs
inline const QColor kPageBlue(0x42, 0x96, 0xE7);

// Picture buttons in radio groups: white face, light coral while down.
inline constexpr const char* kPictureButtonStyle =
    "QToolButton { background: white; border: 1px solid #A6CAF0; border-radius: 2px; }"
    "QToolButton:hover { background: #C0C0C0; }"
    "QToolButton:checked, QToolButton:pressed { background: #F08080; border-color: #808080; }";

// A top bar of the given height in the panel colour, with a lowered bevel.
QFrame* makeBar(const QString& objectName, int height, QWidget* parent);

// A bar of two rows: a row of buttons over a folder or person picker. The
// caller fills `buttons` and adds the picker to `rows` after it.
struct TwoRowBar {
    QFrame* bar;
    QVBoxLayout* rows;
    QHBoxLayout* buttons;
};
TwoRowBar makeTwoRowBar(const QString& objectName, int height, QWidget* parent);

// A flat picture button showing its hint as a tooltip.
QToolButton* makePictureButton(const QString& objectName, const QString& iconName,
                               const QString& hint, QSize size, QWidget* parent);

// A spin field whose value changes only by its arrows or the keyboard
// arrows, never by typing.
class StepSpinBox : public QSpinBox {
    Q_OBJECT
public:
    StepSpinBox(const QString& objectName, int minimum, int maximum, int value,
                QWidget* parent = nullptr);
};

// A value given to a spin field, held at the nearest end of its range.
// Numbers too large for an int are held too.
int spinValueFor(const QSpinBox& spin, double value);

} // namespace morvane
