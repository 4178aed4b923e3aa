#pragma once

#include <QString>

namespace morvane {

// The canvas tool modes, one per tool button of the tool bar's radio group.
// The values are fixed ids: retouch handlers receive them as `int tool`.
enum ToolMode : int {
    MoveTool = 0, // BT_SCROLL: move and resize layers
    HaircutTool,  // BT_DRAW
    EyedropperTool, // BT_CONTAGOTAS
    BlurTool,     // BT_BLUR
    SmudgeTool,   // BT_SMUDGE
    DuplicateTool, // BT_CLONE
    MakeUpTool,   // BT_SPRAY
    ZoomTool,     // BT_ZOOM
    LassoTool,    // BT_LACO
};

inline constexpr int kToolModeCount = 9;

// The objectName of the tool button that shows the mode.
inline QString toolButtonName(ToolMode mode)
{
    static const char* const names[kToolModeCount] = {
        "BT_SCROLL", "BT_DRAW", "BT_CONTAGOTAS", "BT_BLUR", "BT_SMUDGE",
        "BT_CLONE", "BT_SPRAY", "BT_ZOOM", "BT_LACO",
    };
    const int index = int(mode);
    return index >= 0 && index < kToolModeCount ? QLatin1String(names[index]) : QString();
}

// The tools whose strokes paint on the current layer's image.
constexpr bool isRetouchTool(ToolMode mode)
{
    return mode == HaircutTool || mode == EyedropperTool || mode == BlurTool
        || mode == SmudgeTool || mode == DuplicateTool || mode == MakeUpTool;
}

} // namespace morvane
