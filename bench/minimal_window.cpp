// The start-up yardstick: the least a Win32 program does to show one window with the
// same controls as the tool's (labels, buttons, group boxes, check boxes, radio
// buttons and a drive list), with plain system controls and nothing else.
#include <windows.h>

namespace {

struct ControlRow {
    const char* window_class;
    const char* caption;
    DWORD style;
    int left, top, width, height;  // in the main window's client area
};

// Group boxes at (14,64) and (14,190); what sits inside them is placed relative to the
// window here, so every control has the main window as its parent.
const ControlRow kControls[] = {
    {"STATIC", "为了加快优化速度，请指定LOL安装盘符：", SS_LEFT, 21, 8, 216, 24},
    {"STATIC", "友情提示：请选择驱动器，再进行操作", SS_LEFT, 21, 32, 296, 24},
    {"STATIC", "", SS_LEFT, 70, 260, 227, 32},
    {"BUTTON", "优化相关", BS_GROUPBOX, 14, 64, 336, 120},
    {"BUTTON", "Cross:提帧", BS_AUTOCHECKBOX, 38, 78, 88, 36},
    {"BUTTON", "log文件清除", BS_AUTOCHECKBOX, 142, 80, 88, 32},
    {"BUTTON", "卓越性能电源", BS_AUTOCHECKBOX, 246, 85, 98, 24},
    {"BUTTON", "DX11测试模式 ->", BS_AUTOCHECKBOX, 38, 115, 114, 32},
    {"BUTTON", "点我恢复", BS_PUSHBUTTON, 147, 118, 64, 24},
    {"BUTTON", "以上全选", BS_AUTOCHECKBOX, 38, 153, 112, 21},
    {"BUTTON", "确定", BS_PUSHBUTTON, 278, 140, 64, 28},
    {"BUTTON", "LOL国服主页替换", BS_GROUPBOX, 14, 190, 336, 66},
    {"BUTTON", "空白主页", BS_AUTORADIOBUTTON | WS_GROUP, 28, 219, 80, 24},
    {"BUTTON", "美服主页", BS_AUTORADIOBUTTON, 114, 220, 80, 24},
    {"BUTTON", "确定", BS_PUSHBUTTON, 196, 216, 64, 28},
    {"BUTTON", "时光机", BS_PUSHBUTTON, 276, 216, 64, 28},
};
constexpr int kBlankRadio = 12;

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void add_controls(HWND window, HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < static_cast<int>(sizeof kControls / sizeof kControls[0]); ++i) {
        const ControlRow& c = kControls[i];
        HWND control = CreateWindowExA(0, c.window_class, c.caption, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top,
                                       c.width, c.height, window, reinterpret_cast<HMENU>(100 + i), instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
        if (i == kBlankRadio) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
    }
    HWND drives = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 256, 11,
                                  88, 200, window, reinterpret_cast<HMENU>(99), instance, nullptr);
    SendMessageA(drives, WM_SETFONT, font, FALSE);
    char roots[512] = {};
    GetLogicalDriveStringsA(sizeof roots, roots);
    for (const char* root = roots; *root; root += lstrlenA(root) + 1)
        SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = window_procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TrivaneMinimal";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Trivane minimal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  50, 50, 369, 328, nullptr, nullptr, instance, nullptr);
    add_controls(window, instance);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
