#include "app/MainActions.h"

#include "app/Icons.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace morvane {

namespace {

struct MenuItem {
    const char* name;     // component name, the QAction's objectName
    const char* caption;  // English
    const char* shortcut; // empty: none
    const char* icon;
    bool needsComposition;
};

struct Menu {
    const char* name;
    const char* caption;
    bool needsComposition; // the whole menu follows the composition
    std::initializer_list<MenuItem> items;
};

// A separator is an item without caption.
const Menu kMenus[] = {
    {"Arquivo1", "&File", false, {
        {"AbrirFoto1", "&Open Photo", "Ctrl+O", "open", false},
        {"Salvarcomo1", "&Save As...", "Ctrl+S", "save", true},
        {"ConfigurarImpressora1", "Pr&int Setup", "Ctrl+I", "printsetup", false},
        {"Imprimir1", "&Print", "Ctrl+P", "print", true},
        {"Sair1", "E&xit", "Ctrl+X", "exit", false},
    }},
    {"Editar1", "&Edit", false, {
        {"Desfazer1", "&Undo", "Ctrl+Z", "undo", true},
        {"Copiar1", "&Copy", "Ctrl+C", "copy", true},
        {"Colar1", "&Paste", "Ctrl+V", "paste", false},
        {"N5", nullptr, nullptr, nullptr, false},
        {"Inserir1", "&Show Hairstyle", "Ins", "showhair", true},
        {"ApagarCabelo1", "&Hide Hairstyle", "Del", "hidehair", true},
    }},
    {"Imagem1", "&Image", false, {
        {"Flip1", "&Flip", "Ctrl+F", "flip", true},
        {"CapturaTWAIN1", "&Camera Directory", "Ctrl+D", "camera", false},
        {"ZoomOut1", "Zoom &Out", "F8", "zoomout", true},
        {"ZoomIn1", "Zoom &In", "F9", "zoomin", true},
        {"OriginalPhotoSize1", "Original Photo &Size", "F10", "original", true},
    }},
    {"AjustedeImagem1", "&Tools", false, {
        {"AutomaticHairstylesSequence1", "&Automatic Hairstyles Display", "Ctrl+A", "auto", true},
        {"ColorPreview1", "&Color Preview", "F11", "colorpreview", true},
        {"PreviewHaistyles1", "&Hair Preview", "F12", "hairpreview", true},
        {"Opcoes1", "&Preferences", "F3", "preferences", false},
    }},
    {"Desenho1", "&Retouch", true, {
        {"RetoqLapis", "&Haircut", "", "haircut", false},
        {"ContaGotas1", "&Eyedropper", "", "eyedropper", false},
        {"Balde1", "&Paint Bucket", "", "bucket", false},
        {"Manchar1", "&Blur", "", "blur", false},
        {"RetoqSmudge", "Sm&udge", "", "smudge", false},
        {"RetoqClone", "&Duplicate", "", "duplicate", false},
        {"Maquiagem1", "&Make-Up", "", "makeup", false},
    }},
    {"Gallery1", "&Gallery", false, {
        {"AddtoGallery1", "&Add to Gallery", "Ctrl+G", "addgallery", true},
        {"Createapersonsfolder1", "&Create a person's folder", "", "newfolder", false},
        {"Deletegalleryphotos1", "&Delete Gallery photo(s)", "", "deletephotos", false},
        {"Deletegalleryfolder1", "Delete Gallery &folder", "", "deletefolder", false},
    }},
    {"Ajuda1", "&Help", false, {
        {"TopicosAjuda1", "&Morvane Help", "F1", "help", false},
        {"SobreoPrograma1", "&About", "", "about", false},
    }},
};

struct ToolItem {
    const char* name; // nullptr: a divider of `gap` pixels
    const char* hint;
    const char* icon;
    bool toolMode;    // group 1
    bool needsComposition;
    int gap;
};

const ToolItem kToolBar[] = {
    {nullptr, nullptr, nullptr, false, false, 8},
    {"BT_ABRIR", "Open Photo", "open", false, false, 0},
    {"BT_SALVAR", "Save", "save", false, true, 0},
    {"BT_IMPRIMIR", "Print", "print", false, true, 0},
    {"BT_COPY", "Copy", "copy", false, true, 0},
    {"BT_PASTE", "Paste", "paste", false, false, 0},
    {nullptr, nullptr, nullptr, false, false, 8},
    {"BT_SCROLL", "Move, Resize Hairstyle", "move", true, true, 0},
    {"BT_DRAW", "Haircut", "haircut", true, true, 0},
    {"BT_CONTAGOTAS", "Eyedropper", "eyedropper", true, true, 0},
    {"BT_BLUR", "Blur", "blur", true, true, 0},
    {"BT_SMUDGE", "Smudge", "smudge", true, true, 0},
    {"BT_CLONE", "Duplicate", "duplicate", true, true, 0},
    {nullptr, nullptr, nullptr, false, false, 8},
    {"BT_SPRAY", "Make-Up", "makeup", true, true, 0},
    {nullptr, nullptr, nullptr, false, false, 8},
    {"BT_ZOOM", "Zoom In (left button), Zoom Out (right)", "zoomin", true, true, 0},
    {"BT_LACO", "Lasso Select", "lasso", true, true, 0},
    {"BT_ORIGINAL", "Original Size", "original", false, true, 0},
    {nullptr, nullptr, nullptr, false, false, 8},
    {"BT_AUTO", "Automatic Display", "auto", false, true, 0},
    {"BT_CORES", "Color Preview", "colorpreview", false, true, 0},
    {"BT_PREVIEW", "Hairstyles Preview", "hairpreview", false, true, 0},
    {"BT_GALLERY", "Add to Gallery", "addgallery", false, true, 0},
    {nullptr, nullptr, nullptr, false, false, 41},
    {"BT_SAIR", "Exit", "exit", false, false, 0},
    {nullptr, nullptr, nullptr, false, false, 104},
};

QWidget* gapWidget(int width, QWidget* parent)
{
    auto* gap = new QWidget(parent);
    gap->setFixedSize(width, 1);
    gap->setAttribute(Qt::WA_TransparentForMouseEvents);
    return gap;
}

// The menu colours: sky blue bars and icon column, the system highlight
// for the selected item, the inactive caption colour for disabled items.
const char* const kMenuStyle = R"(
QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c6dcf5, stop:1 #A6CAF0);
           font-family: Tahoma; font-size: 8pt; }
QMenuBar::item { padding: 3px 8px; background: transparent; }
QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text);
                          border: 1px solid palette(highlight); }
QMenu { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #A6CAF0, stop:0.12 #A6CAF0,
                                    stop:0.121 #eef4fc, stop:1 #eef4fc);
        border: 1px solid #7f9db9; font-family: Tahoma; font-size: 8pt; }
QMenu::item { padding: 4px 24px 4px 34px; color: palette(text); }
QMenu::item:selected { background: palette(highlight); color: palette(highlighted-text);
                       border: 1px solid palette(highlight); }
QMenu::item:disabled { color: #9eacc0; }
QMenu::icon { padding-left: 6px; }
QMenu::separator { height: 1px; background: #d4d0c8; margin: 3px 4px 3px 34px; }
)";

// Flat picture buttons: white face, light coral while pressed or down,
// silver under the mouse, sky blue light edge.
const char* const kToolBarStyle = R"(
QToolBar#ToolBar2 { background: #ADD8E6; border: 1px solid #808080; spacing: 0px; padding: 3px 2px; }
QToolBar#ToolBar2 QToolButton { background: white; border: 1px solid #A6CAF0; border-radius: 2px;
                                margin: 0px 1px; }
QToolBar#ToolBar2 QToolButton:hover { background: #C0C0C0; }
QToolBar#ToolBar2 QToolButton:pressed, QToolBar#ToolBar2 QToolButton:checked { background: #F08080; }
QToolBar#ToolBar2 QToolButton:disabled { background: #eef6f8; border-color: #c8dce4; }
)";

} // namespace

MainActions::MainActions(QMainWindow* window)
{
    buildMenus(window);
    buildToolBar(window);
}

void MainActions::buildMenus(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setStyleSheet(QLatin1String(kMenuStyle));
    for (const Menu& menuEntry : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(menuEntry.caption));
        menu->setObjectName(QLatin1String(menuEntry.name));
        menu->menuAction()->setObjectName(QLatin1String(menuEntry.name));
        m_menus.insert(menu->objectName(), menu);
        if (menuEntry.needsComposition)
            m_photoActions.append(menu->menuAction());
        for (const MenuItem& item : menuEntry.items) {
            QAction* action = item.caption ? menu->addAction(QString::fromUtf8(item.caption))
                                           : menu->addSeparator();
            action->setObjectName(QLatin1String(item.name));
            m_actions.insert(action->objectName(), action);
            if (!item.caption)
                continue;
            action->setIcon(programIcon(QLatin1String(item.icon)));
            action->setIconVisibleInMenu(true);
            if (item.shortcut && *item.shortcut) {
                action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            if (item.needsComposition)
                m_photoActions.append(action);
        }
    }
}

void MainActions::buildToolBar(QMainWindow* window)
{
    m_toolBar = new QToolBar(window);
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(41);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->setStyleSheet(QLatin1String(kToolBarStyle));
    m_toolBar->toggleViewAction()->setVisible(false);
    window->addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_toolModes = new QButtonGroup(m_toolBar);
    m_toolModes->setObjectName(QStringLiteral("ToolModes"));
    m_toolModes->setExclusive(true);

    for (const ToolItem& item : kToolBar) {
        if (!item.name) {
            m_toolBar->addWidget(gapWidget(item.gap, m_toolBar));
            continue;
        }
        auto* button = new QToolButton(m_toolBar);
        button->setObjectName(QLatin1String(item.name));
        button->setToolTip(QString::fromUtf8(item.hint));
        button->setIcon(programIcon(QLatin1String(item.icon)));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(32, 32);
        button->setFocusPolicy(Qt::NoFocus);
        if (item.toolMode) {
            button->setCheckable(true);
            m_toolModes->addButton(button);
        }
        m_toolBar->addWidget(button);
        m_buttons.insert(button->objectName(), button);
        if (item.needsComposition)
            m_photoButtons.append(button);
    }

    // The zoom label keeps its 88 pixels in the bar; the label itself is
    // hidden until the zoom shows its percentage.
    auto* zoomBox = new QWidget(m_toolBar);
    zoomBox->setFixedWidth(88);
    m_zoomLabel = new QLabel(zoomBox);
    m_zoomLabel->setObjectName(QStringLiteral("lbZoom"));
    m_zoomLabel->setToolTip(QStringLiteral("Zoom Percentage"));
    m_zoomLabel->setGeometry(0, 0, 88, 32);
    m_zoomLabel->hide();
    m_toolBar->addWidget(zoomBox);
}

QAction* MainActions::action(const QString& objectName) const
{
    return m_actions.value(objectName, nullptr);
}

QMenu* MainActions::menu(const QString& objectName) const
{
    return m_menus.value(objectName, nullptr);
}

QToolButton* MainActions::button(const QString& objectName) const
{
    return m_buttons.value(objectName, nullptr);
}

} // namespace morvane
