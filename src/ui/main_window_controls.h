// The controls of the main window by the names its layout gives them. The
// presenter writes the four value labels; the layout places all nine.
#pragma once

#include "toolkit/toolkit.h"

enum MainWindowControl : ControlId {
    标签1 = 1,   // "窗口句柄："
    标签_句柄,   // handle of the foreground window
    标签4,       // "窗体类名："
    标签_类名,   // its class name
    标签2,       // "窗口名称："
    标签_名称,   // its title
    标签3,       // "程序路径："
    标签_路径,   // its program path
    按钮1,       // "复制信息"
};
