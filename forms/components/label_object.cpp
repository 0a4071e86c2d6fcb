#include "forms/components/label_object.h"

#include <iterator>

#include "forms/components/component_types.h"
#include "forms/components/label_paint.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"
#include "runtime/handle_owners.h"

namespace forms {
namespace {

constexpr DWORD kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

constexpr LabelFrame kFrames[] = {
    {0, 0},                                       // 0 none
    {0, WS_EX_CLIENTEDGE},                        // 1 sunken
    {0, WS_EX_DLGMODALFRAME},                     // 2 raised frame
    {0, WS_EX_STATICEDGE},                        // 3 thin sunken
    {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},  // 4 sunken inside a raised frame
    {WS_BORDER, 0},                               // 5 single line
    {0, 0},                                       // 6 gradient border, painted by the label
};

}  // namespace

const char kLabelClass[] = "_QX_Label";

LabelFrame label_frame(u32 border) { return border < std::size(kFrames) ? kFrames[border] : kFrames[0]; }

LabelObject::LabelObject(const CreateRequest& request, StoredBlock stored)
    : BlockObject(&kLabelType, request, kLabelLayout, std::move(stored)) {
    font_.apply(nullptr, stored_.block(kLabelFont), dpi_of(request.parent));
}

DWORD LabelObject::platform_style() const { return label_frame(stored_.word(kLabelBorder)).style; }

DWORD LabelObject::platform_ex_style() const { return label_frame(stored_.word(kLabelBorder)).ex_style; }

const Picture* LabelObject::background_picture() {
    if (!picture_decoded_) {
        const ByteBlock& data = stored_.block(kLabelPicture);
        picture_ = data.empty() ? Picture() : decode_picture(data.data(), static_cast<u32>(data.size()));
        picture_decoded_ = true;
    }
    return picture_.empty() ? nullptr : &picture_;
}

void LabelObject::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    paint_label(dc, client, {stored_, font_.handle(), background_picture(), dpi_of(hwnd())});
}

// Drawn off screen first, so a label repainted often (the search's progress) does
// not flicker.
void LabelObject::paint_buffered(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    const rt::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
    const rt::MemoryDc memory(dc, bitmap.get());
    if (!memory) {
        paint(dc);
        return;
    }
    paint(memory.get());
    BitBlt(dc, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

bool LabelObject::on_message(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        RECT clip;
        if (dc && GetClipBox(dc, &clip) != NULLREGION) paint_buffered(dc);
        EndPaint(hwnd(), &ps);
        *result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wparam));
        *result = 0;
        return true;
    case WM_ERASEBKGND:
        *result = 1;  // the paint covers every pixel
        return true;
    case WM_GETFONT:  // as the platform's controls answer: the font the caption is drawn in
        *result = reinterpret_cast<LRESULT>(font_.handle());
        return true;
    default: return false;
    }
}

void LabelObject::apply_frame() {
    const LabelFrame frame = label_frame(stored_.word(kLabelBorder));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE));
    const DWORD ex_style = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_EXSTYLE));
    SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>((style & ~static_cast<DWORD>(WS_BORDER)) | frame.style));
    SetWindowLongW(hwnd(), GWL_EXSTYLE, static_cast<LONG>((ex_style & ~kFrameExStyles) | frame.ex_style));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LabelObject::rescale(int dpi) {
    font_.rescale(nullptr, dpi);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

u32 LabelObject::apply(const PropertyRow& row) {
    switch (row.effect) {
    case kLabelSetsCaption: set_window_text(hwnd(), stored_.caption); break;
    case kLabelSetsBorder: apply_frame(); break;
    case kLabelSetsFont: font_.apply(nullptr, stored_.block(kLabelFont), dpi_of(hwnd())); break;
    case kLabelSetsPicture:
        picture_ = Picture();
        picture_decoded_ = false;
        break;
    default: break;
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
    return 0;
}

ComponentObject* create_label(const CreateRequest& request) {
    if (!ensure_component_class(kLabelClass)) return nullptr;
    return create_block_component<LabelObject>(request, kLabelLayout, kLabelClass);
}

}  // namespace forms
