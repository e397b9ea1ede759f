#include "skin/frame_layout.h"

#include "app/main_window.h"
#include "docs/documents.h"
#include "docs/status_line.h"
#include "skin/frame_geometry.h"

namespace {
constexpr int kTabsTop = 42;
constexpr int kTabsHeight = 20;
}

void LayoutMainWindowParts(int width, int height, const skin::Margins& editorMargins)
{
    MainWindow& main = Main();
    status::LayoutStatusFields();
    SendMessageA(main.statusBar, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    const skin::Rect editor = skin::EditorRectInClient(editorMargins, skin::Size{width, height});
    HDWP batch = BeginDeferWindowPos(2);
    if (Document* active = ActiveDocument())
        batch = DeferWindowPos(batch, active->control, nullptr, editor.left, editor.top, editor.Width(),
                               editor.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch)
        batch = DeferWindowPos(batch, main.tabs, nullptr, 0, kTabsTop, width, kTabsHeight,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch)
        EndDeferWindowPos(batch);
}
