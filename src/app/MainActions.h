#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QButtonGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace morvane {

// Every command of the main window: the menu items (QActions named after
// their component, "AbrirFoto1", "Salvarcomo1", ...), the menus ("Arquivo1",
// ...), and the tool bar "ToolBar2" with its buttons ("BT_ABRIR", ...), the
// tool mode radio group and the hidden zoom label. Built in one place;
// the handlers are connected by the window and by the subsystems.
class MainActions {
public:
    explicit MainActions(QMainWindow* window);

    QAction* action(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    QToolButton* button(const QString& objectName) const;

    QToolBar* toolBar() const { return m_toolBar; }
    QButtonGroup* toolModes() const { return m_toolModes; } // group 1: BT_SCROLL ... BT_LACO
    QLabel* zoomLabel() const { return m_zoomLabel; }

    // The commands that need a composition on the canvas.
    const QList<QAction*>& photoActions() const { return m_photoActions; }
    const QList<QToolButton*>& photoButtons() const { return m_photoButtons; }

private:
    void buildMenus(QMainWindow* window);
    void buildToolBar(QMainWindow* window);

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QToolButton*> m_buttons;
    QToolBar* m_toolBar = nullptr;
    QButtonGroup* m_toolModes = nullptr;
    QLabel* m_zoomLabel = nullptr;
    QList<QAction*> m_photoActions;
    QList<QToolButton*> m_photoButtons;
};

} // namespace morvane
