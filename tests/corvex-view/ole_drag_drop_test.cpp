// Text dragged between the control and other programs through OLE: a drop from another
// program's data object inserts its text; files dropped on the control reach the window
// that accepts files; a selection dragged out with the real mouse reaches another
// program's drop target as a copy. These move the real cursor, so they run alone.
#include "control_fixture.h"

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <functional>
#include <vector>

namespace {

// The test's own COM objects: counted, deleted by the test when it is done with them.
template <typename Interface>
class TestObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

// Offers one HGLOBAL in one clipboard format, as another program's drag does.
class OfferedData : public TestObject<IDataObject> {
public:
    OfferedData(CLIPFORMAT format, const void* bytes, std::size_t size) : format_(format), bytes_(size)
    {
        std::memcpy(bytes_.data(), bytes, size);
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        std::memcpy(GlobalLock(medium->hGlobal), bytes_.data(), bytes_.size());
        GlobalUnlock(medium->hGlobal);
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** formats) override
    {
        FORMATETC offered = {format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &offered, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    CLIPFORMAT format_;
    std::vector<char> bytes_;
};

// Drops after it has been asked a few times, wherever the cursor then is.
class DropSoon : public TestObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override
    {
        return ++asked < 4 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
    int asked = 0;
};

// Another program's window that takes dropped text.
class TextTarget : public TestObject<IDropTarget> {
public:
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override
    {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override
    {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        FORMATETC format = {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {};
        if (data->GetData(&format, &medium) == S_OK) {
            dropped = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
            ReleaseStgMedium(&medium);
        }
        *effect = DROPEFFECT_COPY;
        ++drops;
        return S_OK;
    }
    std::wstring dropped;
    int drops = 0;
};

std::wstring g_droppedFile;
WNDPROC g_parentProc = nullptr;
LRESULT CALLBACK FileParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DROPFILES) {
        wchar_t name[MAX_PATH] = L"";
        DragQueryFileW(reinterpret_cast<HDROP>(wParam), 0, name, MAX_PATH);
        g_droppedFile = name;
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return CallWindowProcA(g_parentProc, window, message, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (!done()) {
        if (GetTickCount() - start > 5000)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

void SendMouse(DWORD flags, POINT screen = {})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        input.mi.dx = static_cast<LONG>(screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = static_cast<LONG>(screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    }
    SendInput(1, &input, sizeof input);
}

class OleDragDropTest : public ControlTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ControlTest::SetUp();
        Send(corvex::SetAutoIndent, 0);
        SetWindowPos(parent, HWND_TOPMOST, 100, 100, 700, 500, SWP_SHOWWINDOW);
        UpdateWindow(parent);
    }
    void TearDown() override
    {
        ControlTest::TearDown();
        OleUninitialize();
    }
    // A screen point on the first line of the text, `x` pixels into the control.
    POINT OnFirstLine(int x) const
    {
        POINT point = {x, 4};
        ClientToScreen(control, &point);
        return point;
    }
};

TEST_F(OleDragDropTest, TextDroppedFromAnotherProgramIsInsertedAndSelectedAsOneUndoStep)
{
    Type("first line\rsecond");
    const wchar_t text[] = L"<dropped\r\ntext>";
    OfferedData data(CF_UNICODETEXT, text, sizeof text);
    DropSoon source;
    SetCursorPos(OnFirstLine(550).x, OnFirstLine(550).y);  // past the end of the first line
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY)) << "another program's text is copied, never moved";
    EXPECT_EQ(Text(), "first line<dropped\ntext>\nsecond");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "first line\nsecond");
}

TEST_F(OleDragDropTest, FilesDroppedOnTheTextGoToTheWindowThatTakesDroppedFiles)
{
    Type("text");
    SetWindowLongPtrA(parent, GWL_EXSTYLE, GetWindowLongPtrA(parent, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    g_parentProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FileParentProc)));
    g_droppedFile.clear();
    // A file list as the shell offers it: DROPFILES, then the names, double-NUL ended.
    const wchar_t name[] = L"C:\\notes\\todo.txt";
    std::vector<char> list(sizeof(DROPFILES) + sizeof name + sizeof(wchar_t));
    auto* files = reinterpret_cast<DROPFILES*>(list.data());
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(list.data() + sizeof(DROPFILES), name, sizeof name);
    OfferedData data(CF_HDROP, list.data(), list.size());
    DropSoon source;
    SetCursorPos(OnFirstLine(200).x, OnFirstLine(200).y);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(&data, &source, DROPEFFECT_COPY, &effect);
    EXPECT_TRUE(PumpUntil([] { return !g_droppedFile.empty(); })) << "the parent got no WM_DROPFILES";
    EXPECT_EQ(g_droppedFile, name);
    EXPECT_EQ(Text(), "text") << "the file's name is not dropped as text";
    SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_parentProc));
}

// The drag out ends from a thread timer, which the drag's own message loop dispatches:
// the cursor moves over the other window, then the button is released there.
POINT g_targetCentre = {};
int g_ticks = 0;
void CALLBACK FinishDrag(HWND, UINT, UINT_PTR timer, DWORD)
{
    ++g_ticks;
    if (g_ticks == 2)
        SendMouse(MOUSEEVENTF_MOVE, g_targetCentre);
    if (g_ticks == 4) {
        SendMouse(MOUSEEVENTF_LEFTUP);
        KillTimer(nullptr, timer);
    }
}

TEST_F(OleDragDropTest, ASelectionDraggedOutReachesAnotherProgramAsACopy)
{
    const std::string line(120, 'x');
    Type(line.substr(0, 60) + "dragged" + line.substr(0, 60));
    Send(corvex::SelectRange, 0, 127);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OtherProgramWindow";
    RegisterClassA(&wc);
    HWND other = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE | WS_BORDER, 850, 150,
                                 200, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(other, nullptr);
    TextTarget target;
    ASSERT_EQ(RegisterDragDrop(other, &target), S_OK);
    g_targetCentre = {950, 250};
    g_ticks = 0;

    const POINT start = OnFirstLine(200);
    SendMouse(MOUSEEVENTF_MOVE, start);
    ASSERT_TRUE(PumpUntil([&] {
        POINT cursor;
        GetCursorPos(&cursor);
        return cursor.x == start.x && cursor.y == start.y;
    }));
    SetTimer(nullptr, 0, 30, &FinishDrag);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_MOVE, {start.x + 20, start.y + 5});
    SendMouse(MOUSEEVENTF_MOVE, {start.x + 700, start.y + 20});  // out of the control
    EXPECT_TRUE(PumpUntil([&] { return target.drops == 1; })) << "nothing was dropped on the other window";
    EXPECT_EQ(target.dropped, std::wstring(60, L'x') + L"dragged" + std::wstring(60, L'x'));
    EXPECT_EQ(Text(), line.substr(0, 60) + "dragged" + line.substr(0, 60)) << "the text stays: it was copied";
    RevokeDragDrop(other);
    DestroyWindow(other);
}

} // namespace
