#include "platform/win/windowed_controls.h"

#include <commctrl.h>

#include "platform/failure.h"
#include "platform/win/form.h"
#include "platform/win/text.h"

namespace zrk {
namespace {

const int kDroppedRows = 8;
const int kThumbLength = 10;
const int kEditRowHeight = 14;
const int kTextIndent = 2;

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

void WindowedControl::CreateWindowFor(const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent,
                                      int id, int dpi) {
    hwnd_ = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, Scale(bounds_.left, dpi),
                            Scale(bounds_.top, dpi), Scale(bounds_.width, dpi),
                            Scale(WindowHeight(), dpi), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr);
    ApplyFont(dpi);
}

void WindowedControl::ApplyFont(int dpi) {
    if (font_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle(dpi)), FALSE);
}

void WindowedControl::Rescale(int dpi) {
    if (!hwnd_)
        return;
    ApplyFont(dpi);  // first: a combo box sizes its edit field to its font
    SetWindowPos(hwnd_, nullptr, Scale(bounds_.left, dpi), Scale(bounds_.top, dpi), Scale(bounds_.width, dpi),
                 Scale(WindowHeight(), dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

TrackBar::TrackBar(Bounds bounds, int maximum, Font* font)
    : WindowedControl(bounds, font), maximum_(maximum) {}

void TrackBar::CreateHandle(HWND parent, int id, int dpi) {
    CreateWindowFor(TRACKBAR_CLASSW, L"", WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH,
                    parent, id, dpi);
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(0, maximum_));
    SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scale(kThumbLength, dpi)), 0);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, 0);
}

void TrackBar::Rescale(int dpi) {
    SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scale(kThumbLength, dpi)), 0);
    WindowedControl::Rescale(dpi);
}

int TrackBar::Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

void TrackBar::SetPosition(int position) { SendMessageW(hwnd_, TBM_SETPOS, TRUE, position); }

CheckBox::CheckBox(Bounds bounds, std::wstring caption, Font* font)
    : WindowedControl(bounds, font), caption_(std::move(caption)) {}

void CheckBox::CreateHandle(HWND parent, int id, int dpi) {
    CreateWindowFor(L"BUTTON", caption_.c_str(), WS_TABSTOP | BS_AUTOCHECKBOX, parent, id, dpi);
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
    : WindowedControl(bounds, font), initialText_(std::move(initialText)) {}

int EditComboBox::WindowHeight() const { return bounds_.height + kDroppedRows * kEditRowHeight + 2; }

void EditComboBox::CreateHandle(HWND parent, int id, int dpi) {
    CreateWindowFor(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, parent, id,
                    dpi);
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
    : WindowedControl(bounds, font), rowHeight_(rowHeight) {}

int OwnerDrawList::WindowHeight() const { return bounds_.height + kDroppedRows * rowHeight_ + 2; }

void OwnerDrawList::CreateHandle(HWND parent, int id, int dpi) {
    CreateWindowFor(L"COMBOBOX", L"",
                    WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, parent,
                    id, dpi);
}

void OwnerDrawList::MeasureItem(MEASUREITEMSTRUCT* item, int dpi) {
    item->itemHeight = static_cast<UINT>(Scale(rowHeight_, dpi));
}

void OwnerDrawList::Rescale(int dpi) {
    // The selection field follows the new font, as when the box was made;
    // the rows were measured only then, so they are set again.
    WindowedControl::Rescale(dpi);
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, Scale(rowHeight_, dpi));
}

void OwnerDrawList::DrawItem(const DRAWITEMSTRUCT& item) {
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < entries_.Count()) {
        int dpi = form_ ? form_->Dpi() : 96;
        HGDIOBJ old = SelectObject(item.hDC, font_->Handle(dpi));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        std::wstring text = FromAnsi(entries_.Entry(index));
        TextOutW(item.hDC, item.rcItem.left + Scale(kTextIndent, dpi), item.rcItem.top, text.c_str(),
                 static_cast<int>(text.size()));
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
