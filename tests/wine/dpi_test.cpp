// The launcher on screens of 96, 144 and 192 dpi: every window, control,
// font and picture scaled from the 96-dpi layouts, captions that still fit,
// and a form that follows a move onto a monitor of another dpi.
//
// Wine takes the screen dpi from the registry when a process starts, so the
// HighDpi test sets it and starts this program again as a child at that dpi
// (AtScreenDpi.*), which drives the real launcher as a player would.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/launcher_windows.h"
#include "launch/geometry.h"
#include "platform/win/application.h"
#include "platform/win/gui_metrics.h"
#include "tests/support/win/config_key.h"
#include "tests/support/win/driver.h"

namespace zrk {
namespace {

using test::Program;
using test::TempDir;

const char kDpiVariable[] = "ZRK_TEST_DPI";
const char kScreenVariable[] = "ZRK_TEST_SCREEN";
const wchar_t kMainTitle[] = L"Zarkenfall 在线";
const wchar_t kPanelTitle[] = L"设置面板";
const wchar_t kFontTitle[] = L"字体设置";

int EnvironmentNumber(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : 0;
}

// The screen dpi for processes started from now on.
void SetScreenDpi(DWORD dpi) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    RegCloseKey(key);
}

void ClearScreenDpi() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "LogPixels");
        RegCloseKey(key);
    }
}

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(HighDpi, EveryWindowIsScaledAtTheScreenDpi) {
    if (EnvironmentNumber(kDpiVariable))
        GTEST_SKIP() << "the parent half";
    // The physical screen, as a process at 96 dpi sees it.
    std::string screen = std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
                         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN));
    TempDir folder;
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE("screen at " + std::to_string(dpi) + " dpi");
        SetScreenDpi(static_cast<DWORD>(dpi));
        SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
        SetEnvironmentVariableA(kScreenVariable, screen.c_str());
        Program child(OwnPath(), folder.Path(), "--gtest_filter=AtScreenDpi.*");
        SetEnvironmentVariableA(kDpiVariable, nullptr);
        SetEnvironmentVariableA(kScreenVariable, nullptr);
        DWORD code = 99;
        ASSERT_TRUE(child.WaitForExit(180000, &code)) << "the child did not finish";
        EXPECT_EQ(code, 0u) << "the checks at " << dpi << " dpi failed (see the child's output above)";
    }
    ClearScreenDpi();
}

// --- The child half, in a process started at a set screen dpi.

struct Box {
    int left, top, width, height;
};

RECT Scaled(const Box& b, int dpi) {
    return RECT{Scale(b.left, dpi), Scale(b.top, dpi), Scale(b.left + b.width, dpi), Scale(b.top + b.height, dpi)};
}

std::string Describe(const RECT& r) {
    std::ostringstream text;
    text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return text.str();
}

// A child control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE ClientSize(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

// A window's child controls of one class, in creation order.
std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExW(parent, nullptr, className, nullptr); child;
         child = FindWindowExW(parent, child, className, nullptr))
        found.push_back(child);
    return found;
}

// Text measured in a font made the way the launcher makes it at a dpi.
class Measure {
public:
    Measure(const wchar_t* face, int height96, bool bold, int dpi) {
        LOGFONTW lf = {};
        lf.lfHeight = Scale(height96, dpi);
        lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
        font_ = CreateFontIndirectW(&lf);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, font_);
    }
    ~Measure() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    SIZE Extent(const std::wstring& text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    int LineHeight() const {
        TEXTMETRICW tm = {};
        GetTextMetricsW(dc_, &tm);
        return tm.tmHeight;
    }

private:
    HFONT font_;
    HDC dc_;
    HGDIOBJ old_;
};

// A label drawn from (left, top) that must end before the next control.
struct LabelRow {
    const wchar_t* caption;
    int left;
    int top;
    bool bold;
    int nextLeft;
};

void ExpectLabelsFit(const std::vector<LabelRow>& labels, int dpi) {
    Measure plain(L"MS Sans Serif", -11, false, dpi), bold(L"MS Sans Serif", -11, true, dpi);
    for (const LabelRow& label : labels) {
        const Measure& font = label.bold ? bold : plain;
        SIZE text = font.Extent(label.caption);
        EXPECT_LE(Scale(label.left, dpi) + text.cx, Scale(label.nextLeft, dpi))
            << "label " << testing::PrintToString(std::wstring(label.caption)) << " runs into the next control";
        // The label rows are 20 pixels apart at 96 dpi.
        EXPECT_LE(text.cy, Scale(20, dpi)) << testing::PrintToString(std::wstring(label.caption));
    }
}

// A flat button's caption, centred in the button, must lie inside it.
void ExpectCaptionsFit(const Measure& font, const std::vector<std::wstring>& captions, int width, int height,
                       int dpi) {
    for (const std::wstring& caption : captions) {
        SIZE text = font.Extent(caption);
        EXPECT_LE(text.cx, Scale(width, dpi)) << testing::PrintToString(caption);
        EXPECT_LE(text.cy, Scale(height, dpi)) << testing::PrintToString(caption);
    }
}

class AtScreenDpi : public ::testing::Test {
protected:
    void SetUp() override {
        dpi = EnvironmentNumber(kDpiVariable);
        if (!dpi)
            GTEST_SKIP() << "runs in a child process that HighDpi starts at a set screen dpi";
        InitApplication();  // dpi aware, as the launcher is
        test::DeleteConfigKey();
        test::CopyInto(test::BuildPath("app/zrklauncher.exe"), game.Path(), "zrklauncher.exe");
    }

    HWND StartLauncher() {
        launcher = std::make_unique<Program>(game.File("zrklauncher.exe"), game.Path());
        HWND main = launcher->WaitForWindow(kMainTitle);
        EXPECT_NE(main, nullptr);
        return main;
    }

    void ExitLauncher(HWND main) {
        test::ClickCentre(main, 22, 248, 180, 22);  // 退出
        DWORD code = 1;
        ASSERT_TRUE(launcher->WaitForExit(10000, &code)) << "the click on 退出 missed";
        EXPECT_EQ(code, 0u);
    }

    int S(int pixels96) const { return Scale(pixels96, dpi); }

    int dpi = 0;
    TempDir game;
    std::unique_ptr<Program> launcher;
};

TEST_F(AtScreenDpi, TheProcessSeesTheSetDpiAndThePhysicalScreen) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), dpi);
    ReleaseDC(nullptr, screen);
    std::string physical = std::getenv(kScreenVariable) ? std::getenv(kScreenVariable) : "";
    EXPECT_EQ(std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
                  std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)),
              physical);
}

TEST_F(AtScreenDpi, MainWindowIsScaledCentredAndItsButtonsAnswerClicks) {
    HWND main = StartLauncher();
    ASSERT_NE(main, nullptr);
    SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, S(223));
    EXPECT_EQ(client.cy, S(351));
    RECT onScreen = test::ClientRectOnScreen(main);
    EXPECT_EQ(onScreen.left, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - S(223)) / 2);
    EXPECT_EQ(onScreen.top, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - S(351)) / 2);

    Measure buttonFont(L"Courier New", -16, true, dpi);
    ExpectCaptionsFit(buttonFont, {L"在线游戏", L"离线游戏", L"贴图编辑器", L"选项", L"官方网站", L"退出"}, 180, 22, dpi);

    // 贴图编辑器 at its scaled place: no raz.exe here, so its message.
    test::ClickCentre(main, 22, 172, 180, 22);
    HWND box = launcher->WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "the click on 贴图编辑器 missed";
    EXPECT_EQ(test::MessageBoxText(box), L"File raz.exe cannot be found.");
    test::PressMessageBoxButton(box);
    ASSERT_TRUE(launcher->WaitForWindowGone(box));
    ExitLauncher(main);
}

TEST_F(AtScreenDpi, SettingsPanelAndFontDialogControlsAreScaledAndTheirCaptionsFit) {
    HWND main = StartLauncher();
    ASSERT_NE(main, nullptr);
    test::ClickCentre(main, 22, 196, 180, 22);  // 选项
    HWND panel = launcher->WaitForWindow(kPanelTitle);
    ASSERT_NE(panel, nullptr);
    SIZE client = ClientSize(panel);
    EXPECT_EQ(client.cx, S(518));
    EXPECT_EQ(client.cy, S(402));

    const Box bars[] = {{232, 46, 110, 17},  {232, 66, 110, 17},  {232, 86, 110, 19},
                        {232, 108, 110, 19}, {232, 130, 110, 19}, {232, 208, 110, 19},
                        {232, 230, 110, 19}, {232, 252, 110, 19}, {232, 274, 110, 19}};
    std::vector<HWND> trackBars = ChildrenOfClass(panel, TRACKBAR_CLASSW);
    ASSERT_EQ(trackBars.size(), 9u);
    for (size_t i = 0; i < trackBars.size(); ++i) {
        SCOPED_TRACE("TrackBar" + std::to_string(i + 1));
        EXPECT_EQ(Describe(RectInParent(trackBars[i])), Describe(Scaled(bars[i], dpi)));
        EXPECT_EQ(SendMessageW(trackBars[i], TBM_GETTHUMBLENGTH, 0, 0), S(10));
    }

    Measure plain(L"MS Sans Serif", -11, false, dpi);
    std::vector<HWND> checks = ChildrenOfClass(panel, L"Button");
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(Describe(RectInParent(checks[0])), Describe(Scaled({74, 158, 119, 17}, dpi)));
    // The check mark box (13 pixels at 96 dpi) and a gap come before the text.
    SIZE caption = plain.Extent(L"窗口模式");
    EXPECT_LE(S(13 + 4) + caption.cx, S(119));
    EXPECT_LE(caption.cy, S(17));

    std::vector<HWND> combos = ChildrenOfClass(panel, L"ComboBox");
    ASSERT_EQ(combos.size(), 1u);
    RECT server = RectInParent(combos[0]);
    EXPECT_EQ(server.left, S(78));
    EXPECT_EQ(server.top, S(312));
    EXPECT_EQ(server.right - server.left, S(145));
    // The box sizes its edit field to its font: a font made for 96 dpi
    // would leave it at its 96-dpi height.
    EXPECT_GE(SendMessageW(combos[0], CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), plain.LineHeight());

    ExpectLabelsFit({{L"3D 模型质量 :", 34, 48, false, 210},
                     {L"贴图质量 :", 36, 68, false, 210},
                     {L"裁剪 : ", 36, 90, false, 210},
                     {L"特殊图形效果   :", 36, 110, false, 210},
                     {L"帧率 :", 36, 132, false, 210},
                     {L"背景音乐 :", 42, 212, false, 210},
                     {L"音乐效果 :", 42, 232, false, 210},
                     {L"音乐质量 :", 42, 252, false, 210},
                     {L"3D 音效 :", 42, 274, false, 210},
                     {L"低", 210, 48, false, 232},
                     {L"关", 210, 212, false, 232},
                     {L"高", 345, 48, false, 518},
                     {L"服务器 :", 22, 310, true, 78}},
                    dpi);
    Measure bold(L"MS Sans Serif", -11, true, dpi);
    ExpectCaptionsFit(plain, {L"选择字体"}, 133, 22, dpi);
    ExpectCaptionsFit(bold, {L"保存"}, 133, 22, dpi);

    test::ClickCentre(panel, 190, 368, 133, 22);  // 选择字体
    HWND dialog = launcher->WaitForWindow(kFontTitle);
    ASSERT_NE(dialog, nullptr);
    client = ClientSize(dialog);
    EXPECT_EQ(client.cx, S(291));
    EXPECT_EQ(client.cy, S(238));
    std::vector<HWND> lists = ChildrenOfClass(dialog, L"ComboBox");
    ASSERT_EQ(lists.size(), 5u);
    const int tops[] = {40, 72, 104, 136, 168};
    for (size_t i = 0; i < lists.size(); ++i) {
        SCOPED_TRACE("ComboBox" + std::to_string(i + 1));
        RECT r = RectInParent(lists[i]);
        EXPECT_EQ(r.left, S(104));
        EXPECT_EQ(r.top, S(tops[i]));
        EXPECT_EQ(r.right - r.left, S(169));
        EXPECT_EQ(SendMessageW(lists[i], CB_GETITEMHEIGHT, 0, 0), S(16));
        EXPECT_GE(SendMessageW(lists[i], CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), plain.LineHeight());
    }
    ExpectLabelsFit({{L"字体 :", 14, 16, false, 104},
                     {L"日文 :", 26, 42, false, 104},
                     {L"中国 :", 26, 100, false, 104},
                     {L"繁体 ", 26, 150, false, 104},
                     {L"韩文 :", 26, 168, false, 104}},
                    dpi);
    ExpectCaptionsFit(plain, {L"完成"}, 141, 22, dpi);

    test::ClickCentre(dialog, 76, 208, 141, 22);  // 完成
    ASSERT_TRUE(launcher->WaitForWindowGone(dialog)) << "the click on 完成 missed";
    PostMessageW(panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(launcher->WaitForWindowGone(panel));
    ExitLauncher(main);
}

// One "name=value" line of the stand-in client's record.
std::string RecordField(const std::string& record, const std::string& name) {
    std::string text = "\n" + record;
    size_t at = text.find("\n" + name + "=");
    if (at == std::string::npos)
        return "(missing)";
    at += name.size() + 2;
    return text.substr(at, text.find('\n', at) - at);
}

TEST_F(AtScreenDpi, GameClientWindowIsPlacedInPhysicalScreenPixels) {
    test::CopyInto(test::BuildPath("tools/client/zrkr.exe"), game.Path(), "zrkr.exe");
    test::SetConfigDword("CTRLFLAG1", 0);
    SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1");
    HWND main = StartLauncher();
    SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr);
    ASSERT_NE(main, nullptr);
    test::ClickCentre(main, 22, 148, 180, 22);  // 离线游戏
    DWORD code = 1;
    ASSERT_TRUE(launcher->WaitForExit(15000, &code));
    std::string record;
    for (int i = 0; i < 500 && RecordField(record, "end") != "1"; ++i) {
        Sleep(20);
        record = test::ReadFileBytes(game.File("zrk_record.txt"));
    }
    ASSERT_EQ(RecordField(record, "end"), "1") << "no record from the stand-in client";
    int width = 0, height = 0;
    ASSERT_EQ(std::sscanf(std::getenv(kScreenVariable), "%dx%d", &width, &height), 2);
    WindowRect expected = ClientWindowRect(width, height);
    EXPECT_EQ(RecordField(record, "x"), std::to_string(expected.x));
    EXPECT_EQ(RecordField(record, "y"), std::to_string(expected.y));
    EXPECT_EQ(RecordField(record, "width"), std::to_string(expected.width));
    EXPECT_EQ(RecordField(record, "height"), std::to_string(expected.height));
}

// --- In process: a form moved onto a monitor of another dpi.

LOGFONTW FontOf(HWND control) {
    LOGFONTW lf = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

LRESULT TextHeight(const LOGFONTW& lf) {
    HFONT font = CreateFontIndirectW(&lf);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return tm.tmHeight;
}

void MoveToMonitorAt(Form& form, int dpi, POINT topLeft, SIZE size96) {
    RECT suggested = {topLeft.x, topLeft.y, topLeft.x + Scale(size96.cx, dpi), topLeft.y + Scale(size96.cy, dpi)};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// Every third pixel each way of an area of a memory picture of the given
// size, painted by a function.
std::vector<COLORREF> Sample(SIZE size, const RECT& area, const std::function<void(HDC)>& paint) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ old = SelectObject(dc, bitmap);
    paint(dc);
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; y += 3) {
        for (int x = area.left; x < area.right; x += 3)
            pixels.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A dark square of the form's background, at a place of the 96-dpi layout.
class Square : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(HDC dc, int dpi) override {
        RECT r = Scaled({bounds_.left, bounds_.top, bounds_.width, bounds_.height}, dpi);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    bool IsBackground() const override { return true; }
};

// A white form with the square half under a check box, which shows the
// form's background through the brush the form hands it.
class SeeThroughForm : public Form {
public:
    SeeThroughForm() : Form(L"see-through", 200, 120) {
        SetColor(RGB(255, 255, 255));
        square = Add<Square>(Bounds{40, 20, 30, 30});
        box = Add<CheckBox>(Bounds{20, 10, 100, 60}, L"", &DefaultFont());
    }
    Square* square;
    CheckBox* box;
};

std::vector<COLORREF> BackgroundBehind(SeeThroughForm& form) {
    RECT r = RectInParent(form.box->Handle());
    SIZE size = {r.right - r.left, r.bottom - r.top};
    return Sample(size, RECT{0, 0, size.cx, size.cy}, [&](HDC dc) {
        LRESULT brush = SendMessageW(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(form.box->Handle()));
        RECT all = {0, 0, size.cx, size.cy};
        FillRect(dc, &all, reinterpret_cast<HBRUSH>(brush));
    });
}

std::vector<COLORREF> ExpectedBehind(SeeThroughForm& form, int dpi) {
    SIZE size = {Scale(200, dpi), Scale(120, dpi)};
    return Sample(size, RectInParent(form.box->Handle()), [&](HDC dc) {
        RECT all = {0, 0, size.cx, size.cy};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        form.square->Paint(dc, dpi);
    });
}

TEST(HighDpi, FormMovedToAMonitorOfAnotherDpiIsRescaled) {
    if (EnvironmentNumber(kDpiVariable))
        GTEST_SKIP() << "the parent half";
    InitApplication();
    LauncherWindows windows;
    TForm2& panel = windows.form2;
    TForm5& dialog = windows.form5;
    SeeThroughForm seeThrough;
    seeThrough.Create();
    const int start = panel.Dpi();
    ASSERT_TRUE(BackgroundBehind(seeThrough) == ExpectedBehind(seeThrough, start));
    for (int dpi : {144, 192, start}) {
        SCOPED_TRACE("moved to " + std::to_string(dpi) + " dpi");
        MoveToMonitorAt(panel, dpi, POINT{40, 30}, SIZE{518, 402});
        MoveToMonitorAt(dialog, dpi, POINT{60, 50}, SIZE{291, 238});
        MoveToMonitorAt(seeThrough, dpi, POINT{80, 70}, SIZE{200, 120});
        EXPECT_EQ(panel.Dpi(), dpi);
        RECT r;
        GetWindowRect(panel.Handle(), &r);
        EXPECT_EQ(Describe(r), Describe(RECT{40, 30, 40 + Scale(518, dpi), 30 + Scale(402, dpi)}));

        EXPECT_EQ(Describe(RectInParent(panel.TrackBar4->Handle())), Describe(Scaled({232, 108, 110, 19}, dpi)));
        EXPECT_EQ(SendMessageW(panel.TrackBar4->Handle(), TBM_GETTHUMBLENGTH, 0, 0), Scale(10, dpi));
        HWND check = panel.CheckBox1->Handle();
        EXPECT_EQ(Describe(RectInParent(check)), Describe(Scaled({74, 158, 119, 17}, dpi)));
        EXPECT_EQ(FontOf(check).lfHeight, Scale(-11, dpi));
        EXPECT_EQ(FontOf(panel.ComboBox1->Handle()).lfHeight, Scale(-11, dpi));
        EXPECT_EQ(RectInParent(panel.ComboBox1->Handle()).right, Scale(78 + 145, dpi));
        EXPECT_TRUE(BackgroundBehind(seeThrough) == ExpectedBehind(seeThrough, dpi))
            << "the check box shows the background as it was at another dpi";

        HWND list = dialog.ComboBox3->Handle();
        RECT placed = RectInParent(list);
        EXPECT_EQ(placed.left, Scale(104, dpi));
        EXPECT_EQ(placed.top, Scale(104, dpi));
        EXPECT_EQ(placed.right, Scale(104 + 169, dpi));
        EXPECT_EQ(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0), Scale(16, dpi));
        EXPECT_EQ(FontOf(list).lfHeight, Scale(-11, dpi));
        // The selection field follows the new font, as at creation.
        EXPECT_GE(SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), TextHeight(FontOf(list)));
    }
}

}  // namespace
}  // namespace zrk
