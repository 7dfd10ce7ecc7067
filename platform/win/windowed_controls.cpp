#include "platform/win/windowed_controls.h"

#include <commctrl.h>

#include "platform/failure.h"
#include "platform/win/form.h"
#include "platform/win/text.h"

namespace zrk {
namespace {

const int kDroppedRows = 8;

HWND CreateChild(const wchar_t* cls, const wchar_t* text, DWORD style, const Bounds& b, int height,
                 HWND parent, int id, int dpi, Font* font) {
    HWND hwnd = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, Scale(b.left, dpi),
                                Scale(b.top, dpi), Scale(b.width, dpi), Scale(height, dpi), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (font)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle(dpi)), FALSE);
    return hwnd;
}

wchar_t FoldAsciiCase(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAsciiCase(text[i]) != FoldAsciiCase(prefix[i]))
            return false;
    }
    return true;
}

std::wstring WindowTextOf(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

}  // namespace

TrackBar::TrackBar(Bounds bounds, int maximum, Font* font)
    : WindowedControl(bounds), maximum_(maximum), font_(font) {}

void TrackBar::CreateHandle(HWND parent, int id, int dpi) {
    hwnd_ = CreateChild(TRACKBAR_CLASSW, L"",
                        WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH, bounds_,
                        bounds_.height, parent, id, dpi, font_);
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(0, maximum_));
    SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scale(10, dpi)), 0);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, 0);
}

int TrackBar::Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

void TrackBar::SetPosition(int position) { SendMessageW(hwnd_, TBM_SETPOS, TRUE, position); }

CheckBox::CheckBox(Bounds bounds, std::wstring caption, Font* font)
    : WindowedControl(bounds), caption_(std::move(caption)), font_(font) {}

void CheckBox::CreateHandle(HWND parent, int id, int dpi) {
    hwnd_ = CreateChild(L"BUTTON", caption_.c_str(), WS_TABSTOP | BS_AUTOCHECKBOX, bounds_,
                        bounds_.height, parent, id, dpi, font_);
}

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ComboEntries::Clear() {
    entries_.clear();
    SendMessageW(*hwnd_, CB_RESETCONTENT, 0, 0);
}

void ComboEntries::Insert(int index, const std::string& entry) {
    std::wstring wide = FromAnsi(entry);
    LRESULT at = SendMessageW(*hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(wide.c_str()));
    if (at == CB_ERR || at == CB_ERRSPACE)
        throw Failure("Unable to insert a line");
    entries_.insert(entries_.begin() + index, entry);
}

void ComboEntries::Remove(int index) {
    if (index < 0 || index >= Count())
        return;
    SendMessageW(*hwnd_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    entries_.erase(entries_.begin() + index);
}

EditComboBox::EditComboBox(Bounds bounds, std::wstring initialText, Font* font)
    : WindowedControl(bounds), initialText_(std::move(initialText)), font_(font) {}

void EditComboBox::CreateHandle(HWND parent, int id, int dpi) {
    int dropped = bounds_.height + kDroppedRows * 14 + 2;
    hwnd_ = CreateChild(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                        bounds_, dropped, parent, id, dpi, font_);
    SetWindowTextW(hwnd_, initialText_.c_str());
    if (HWND edit = EditHandle())
        SetWindowSubclass(edit, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

HWND EditComboBox::EditHandle() const {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(hwnd_, &info) ? info.hwndItem : nullptr;
}

std::string EditComboBox::Text() const {
    std::wstring shown = WindowTextOf(hwnd_);
    return shown == setWide_ ? setText_ : ToAnsi(shown);
}

void EditComboBox::SetText(const std::string& text) {
    setText_ = text;
    setWide_ = FromAnsi(text);
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(hwnd_, setWide_.c_str());
}

void EditComboBox::Select(int index) {
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index >= 0 && index < entries_.Count()) {
        setText_ = entries_.Entry(index);
        setWide_ = FromAnsi(setText_);
    }
}

void EditComboBox::Command(int code) {
    if (code == CBN_SELCHANGE)
        Select(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
}

LRESULT CALLBACK EditComboBox::EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self) {
    LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    if (msg == WM_CHAR && wp >= 32)  // a typed character, not Backspace or a control key
        reinterpret_cast<EditComboBox*>(self)->AutoComplete();
    return result;
}

void EditComboBox::AutoComplete() {
    HWND edit = EditHandle();
    std::wstring typed = WindowTextOf(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (typed.empty() || start != typed.size() || end != typed.size())
        return;  // only when typing at the end
    for (const std::string& entry : entries_.All()) {
        std::wstring wide = FromAnsi(entry);
        if (!StartsWithIgnoringCase(wide, typed))
            continue;
        if (wide.size() > typed.size()) {
            std::wstring completed = typed + wide.substr(typed.size());
            SetWindowTextW(edit, completed.c_str());
            SendMessageW(edit, EM_SETSEL, typed.size(), static_cast<LPARAM>(completed.size()));
        }
        return;
    }
}

OwnerDrawList::OwnerDrawList(Bounds bounds, int rowHeight, Font* font)
    : WindowedControl(bounds), rowHeight_(rowHeight), font_(font) {}

void OwnerDrawList::CreateHandle(HWND parent, int id, int dpi) {
    int dropped = bounds_.height + kDroppedRows * rowHeight_ + 2;
    hwnd_ = CreateChild(L"COMBOBOX", L"",
                        WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                        bounds_, dropped, parent, id, dpi, font_);
}

void OwnerDrawList::MeasureItem(MEASUREITEMSTRUCT* item, int dpi) {
    item->itemHeight = static_cast<UINT>(Scale(rowHeight_, dpi));
}

void OwnerDrawList::DrawItem(const DRAWITEMSTRUCT& item) {
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < entries_.Count()) {
        HGDIOBJ old = SelectObject(item.hDC, font_->Handle(form_ ? form_->Dpi() : 96));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        std::wstring text = FromAnsi(entries_.Entry(index));
        TextOutW(item.hDC, item.rcItem.left + 2, item.rcItem.top, text.c_str(), static_cast<int>(text.size()));
        SelectObject(item.hDC, old);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

int OwnerDrawList::Selected() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

void OwnerDrawList::Select(int index) { SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::string OwnerDrawList::Text() const {
    int index = Selected();
    return (index >= 0 && index < entries_.Count()) ? entries_.Entry(index) : std::string();
}

}  // namespace zrk
