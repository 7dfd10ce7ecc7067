#pragma once
// Standard Win32 controls placed on a form. Data texts (combo box entries)
// are ANSI bytes; the controls keep the exact bytes they were given, so a
// text comes back byte for byte even where the code page cannot map it.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win/control.h"
#include "platform/win/font.h"

namespace zrk {

// A horizontal track bar from 0 to its maximum, with tick marks and a thumb
// 10 pixels long.
class TrackBar : public WindowedControl {
public:
    TrackBar(Bounds bounds, int maximum, Font* font);
    void CreateHandle(HWND parent, int id, int dpi) override;
    int Position() const;
    void SetPosition(int position);
    int Maximum() const { return maximum_; }
    void Rescale(int dpi) override;

private:
    int maximum_;
};

class CheckBox : public WindowedControl {
public:
    CheckBox(Bounds bounds, std::wstring caption, Font* font);
    void CreateHandle(HWND parent, int id, int dpi) override;
    bool Checked() const;
    void SetChecked(bool checked);

private:
    std::wstring caption_;
};

// Entries kept as the bytes they were given, shown through the code page.
class ComboEntries {
public:
    explicit ComboEntries(HWND* hwnd) : hwnd_(hwnd) {}
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Entry(int index) const { return entries_[static_cast<size_t>(index)]; }
    void Clear();
    // Throws Failure("Unable to insert a line") when the control refuses.
    void Insert(int index, const std::string& entry);
    void Remove(int index);
    const std::vector<std::string>& All() const { return entries_; }

private:
    HWND* hwnd_;
    std::vector<std::string> entries_;
};

// An editable drop-down combo box. While the player types, the rest of the
// first entry that begins with the typed text (letter case ignored) is
// appended and selected, so typing on replaces it.
class EditComboBox : public WindowedControl {
public:
    EditComboBox(Bounds bounds, std::wstring initialText, Font* font);
    void CreateHandle(HWND parent, int id, int dpi) override;

    std::string Text() const;
    void SetText(const std::string& text);
    ComboEntries& Entries() { return entries_; }
    const ComboEntries& Entries() const { return entries_; }
    void Select(int index);
    HWND EditHandle() const;
    void Command(int code) override;

protected:
    int WindowHeight() const override;

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                     DWORD_PTR self);
    void AutoComplete();

    std::wstring initialText_;
    ComboEntries entries_{&hwnd_};
    // The bytes last put into the box, and how the control shows them.
    std::string setText_;
    std::wstring setWide_;
};

// A pick-only drop-down list with fixed-height owner-drawn rows, drawn as
// plain text 2 pixels (at 96 dpi) in, at most eight rows dropped down.
class OwnerDrawList : public WindowedControl {
public:
    OwnerDrawList(Bounds bounds, int rowHeight, Font* font);
    void CreateHandle(HWND parent, int id, int dpi) override;
    void Rescale(int dpi) override;
    void MeasureItem(MEASUREITEMSTRUCT* item, int dpi) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    ComboEntries& Entries() { return entries_; }
    const ComboEntries& Entries() const { return entries_; }
    int Selected() const;
    void Select(int index);  // -1: no choice
    std::string Text() const;

protected:
    int WindowHeight() const override;

private:
    int rowHeight_;
    ComboEntries entries_{&hwnd_};
};

}  // namespace zrk
