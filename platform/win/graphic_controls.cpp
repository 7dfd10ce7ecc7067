#include "platform/win/graphic_controls.h"

namespace zrk {

Picture::Picture(Bounds bounds, int resourceId) : GraphicControl(bounds) {
    bitmap_ = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

Picture::~Picture() {
    if (bitmap_)
        DeleteObject(bitmap_);
}

SIZE Picture::BitmapSize() const {
    BITMAP info = {};
    if (bitmap_)
        GetObjectW(bitmap_, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

void Picture::Paint(HDC dc, int dpi) {
    if (!bitmap_)
        return;
    SIZE size = BitmapSize();
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    int x = Scale(bounds_.left, dpi), y = Scale(bounds_.top, dpi);
    if (dpi == 96) {
        BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, x, y, Scale(size.cx, dpi), Scale(size.cy, dpi), mem, 0, 0, size.cx, size.cy,
                   SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

Label::Label(Bounds bounds, std::wstring caption, Font* font, bool visible)
    : GraphicControl(bounds), caption_(std::move(caption)), font_(font) {
    SetVisible(visible);
}

void Label::Paint(HDC dc, int dpi) {
    HGDIOBJ old = SelectObject(dc, font_->Handle(dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font_->Style().color);
    RECT r = {Scale(bounds_.left, dpi), Scale(bounds_.top, dpi), 0, 0};
    DrawTextW(dc, caption_.c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, old);
}

SpeedButton::SpeedButton(Bounds bounds, std::wstring caption, Font* font)
    : GraphicControl(bounds), caption_(std::move(caption)), font_(font) {}

void SpeedButton::SetMouseState(bool hot, bool pressed) {
    hot_ = hot;
    pressed_ = pressed;
}

void SpeedButton::Click() {
    if (onClick)
        onClick();
}

void SpeedButton::Paint(HDC dc, int dpi) {
    RECT r = ScaleRect(bounds_, dpi);
    if (pressed_)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    RECT text = r;
    if (pressed_)
        OffsetRect(&text, 1, 1);
    HGDIOBJ old = SelectObject(dc, font_->Handle(dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font_->Style().color);
    DrawTextW(dc, caption_.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

}  // namespace zrk
