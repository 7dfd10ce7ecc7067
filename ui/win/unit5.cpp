#include "ui/win/unit5.h"

#include "config/ascii_case.h"
#include "platform/failure.h"
#include "platform/win/font_families.h"

namespace zrk {
namespace {

const int kRowHeight = 16;

}  // namespace

TForm5::TForm5() : Form(L"字体设置", 291, 238) {
    SetColor(RGB(245, 245, 245));
    Font* font = &DefaultFont();
    SpeedButton1 = Add<SpeedButton>(Bounds{76, 208, 141, 22}, L"完成", font);
    Label1 = Add<Label>(Bounds{14, 16, 30, 13}, L"字体 :", font);
    Label2 = Add<Label>(Bounds{26, 42, 30, 13}, L"日文 :", font);
    Label3 = Add<Label>(Bounds{26, 72, 30, 13}, L"欧美 :", font);
    Label4 = Add<Label>(Bounds{26, 100, 30, 13}, L"中国 :", font);
    Label5 = Add<Label>(Bounds{26, 136, 30, 13}, L"中国 :", font);
    Label6 = Add<Label>(Bounds{26, 114, 27, 13}, L"简体 ", font);
    Label7 = Add<Label>(Bounds{26, 150, 27, 13}, L"繁体 ", font);
    Label8 = Add<Label>(Bounds{26, 168, 30, 13}, L"韩文 :", font);
    ComboBox1 = Add<OwnerDrawList>(Bounds{104, 40, 169, 22}, kRowHeight, font);
    ComboBox2 = Add<OwnerDrawList>(Bounds{104, 72, 169, 22}, kRowHeight, font);
    ComboBox3 = Add<OwnerDrawList>(Bounds{104, 104, 169, 22}, kRowHeight, font);
    ComboBox4 = Add<OwnerDrawList>(Bounds{104, 136, 169, 22}, kRowHeight, font);
    ComboBox5 = Add<OwnerDrawList>(Bounds{104, 168, 169, 22}, kRowHeight, font);
    SpeedButton1->onClick = [this] { SpeedButton1Click(SpeedButton1); };
}

OwnerDrawList* TForm5::Box(int row) const {
    OwnerDrawList* boxes[] = {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5};
    return boxes[row];
}

void TForm5::SpeedButton1Click(SpeedButton*) { Close(kModalCancel); }

void TForm5::FormCreate() {
    for (int row = 0; row < kFontRowCount; ++row)
        Box(row)->Entries().Clear();
    EnumerateFontFamilies(Handle(), [this](const char* faceName32) { AddFamily(faceName32); });
}

void TForm5::AddFamily(const char* faceName32) {
    size_t n = 0;
    while (n < 32 && faceName32[n] != '\0')
        ++n;
    std::string name(faceName32, n);
    // A family that one box refuses is left out of all five, so a position
    // keeps meaning the same name in every box.
    int row = 0;
    try {
        for (; row < kFontRowCount; ++row)
            Box(row)->Entries().Insert(Box(row)->Entries().Count(), name);
    } catch (const Failure&) {
        while (row-- > 0)
            Box(row)->Entries().Remove(Box(row)->Entries().Count() - 1);
    }
}

int TForm5::Find(const std::string& text) const {
    if (text.empty())
        return -1;
    const ComboEntries& entries = ComboBox1->Entries();
    for (int i = 0; i < entries.Count(); ++i) {
        if (EqualIgnoringAsciiCase(entries.Entry(i), text))
            return i;
    }
    return -1;
}

void TForm5::Select(int row, int index) { Box(row)->Select(index); }

std::string TForm5::ChosenName(int row) const { return Box(row)->Text(); }

}  // namespace zrk
