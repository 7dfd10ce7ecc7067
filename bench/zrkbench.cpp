// Times the launcher under Wine next to yardsticks that do the least the
// same job needs, and prints medians of repeated trials and their ratios:
//   start-up until the main window is shown, next to minimal_window.exe;
//   the same with a 10 MB server.lst and megabyte registry values;
//   the click on "在线游戏" until the launcher has ended, next to creating
//   the stand-in client directly and waiting for it;
//   filling the font dialog (the system's families, and 2,000 made-up ones
//   through the same code, in process);
//   peak memory of the launcher and of the yardstick.
//   zrkbench.exe LAUNCHER CLIENT MINIMAL [TRIALS]

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "app/unit4.h"
#include "platform/win/application.h"
#include "platform/win/files_win32.h"
#include "platform/win/registry_win32.h"
#include "ui/win/unit2.h"
#include "ui/win/unit5.h"

namespace zrk {
namespace {

const char kConfigKey[] = "Software\\Brelvik\\ZRKV2";

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct FindVisible {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM data) {
    auto* find = reinterpret_cast<FindVisible*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == find->pid && IsWindowVisible(window)) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleWindowOf(DWORD pid) {
    FindVisible find{pid, nullptr};
    EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

class Child {
public:
    // applicationName empty: the program is taken from the command line.
    Child(const std::string& applicationName, std::string commandLine, const std::string& directory) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(applicationName.empty() ? nullptr : applicationName.c_str(), &commandLine[0],
                                  nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup, &info_);
    }
    ~Child() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return started_; }
    HANDLE Process() const { return info_.hProcess; }
    // The first visible top-level window, waiting at most 30 s.
    HWND WaitForWindow() const {
        const double end = NowMs() + 30000;
        for (HWND window; NowMs() < end; Sleep(1))
            if ((window = VisibleWindowOf(info_.dwProcessId))) return window;
        return nullptr;
    }
    bool WaitForExit(DWORD timeoutMs) const { return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string Folder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void Copy(const std::string& from, const std::string& folder, const std::string& name) {
    CopyFileA(from.c_str(), (folder + "\\" + name).c_str(), FALSE);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void SetValue(const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void SetDword(const char* name, DWORD value) {
    SetValue(name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
}

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

// A click at a point of a form's layout (96 dpi), as mouse messages.
void Click(HWND form, int x, int y) {
    HDC dc = GetDC(form);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
    if (dc) ReleaseDC(form, dc);
    const LPARAM point = MAKELPARAM(MulDiv(x, dpi, 96), MulDiv(y, dpi, 96));
    PostMessageW(form, WM_MOUSEMOVE, 0, point);
    PostMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(form, WM_LBUTTONUP, 0, point);
}

// Milliseconds from the start of the program until its first window shows.
double StartUp(const std::string& exe, const std::string& folder, const std::string& arguments = "") {
    const double start = NowMs();
    Child child(exe, Quoted(exe) + arguments, folder);
    HWND window = child.WaitForWindow();
    const double shown = NowMs() - start;
    return window ? shown : -1;
}

struct Row {
    std::string what;
    double ours;
    std::string yardstickName;
    double yardstick;
    double goal;  // the most ours / yardstick may be; 0: no goal
};

void Print(const std::vector<Row>& rows, int trials) {
    std::printf("\nMedians of %d trials (ms)\n\n", trials);
    std::printf("%-48s %9s  %-34s %9s %7s  %s\n", "measure", "median", "next to", "median", "ratio", "goal");
    for (const Row& row : rows) {
        if (row.yardstick <= 0) {
            std::printf("%-48s %9.1f\n", row.what.c_str(), row.ours);
            continue;
        }
        const double ratio = row.ours / row.yardstick;
        std::string goal = row.goal > 0 ? (ratio <= row.goal ? "<= " : "MISSED <= ") : "";
        if (row.goal > 0) goal += std::to_string(row.goal).substr(0, 4);
        std::printf("%-48s %9.1f  %-34s %9.1f %7.2f  %s\n", row.what.c_str(), row.ours, row.yardstickName.c_str(),
                    row.yardstick, ratio, goal.c_str());
    }
}

class Bench {
public:
    Bench(std::string launcher, std::string client, std::string minimal, int trials)
        : launcher_(std::move(launcher)), client_(std::move(client)), minimal_(std::move(minimal)), trials_(trials) {
        plain_ = Folder("zrkbench-plain");
        loaded_ = Folder("zrkbench-loaded");
        game_ = Folder("zrkbench-game");
        for (const std::string& folder : {plain_, loaded_, game_}) Copy(launcher_, folder, "zrklauncher.exe");
        Copy(minimal_, plain_, "minimal_window.exe");
        Copy(client_, game_, "zrk.exe");
        std::string tenMegabytes;
        for (int i = 0; tenMegabytes.size() < 10u << 20; ++i) tenMegabytes += "host" + std::to_string(i) + ".example.net\r\n";
        WriteFileBytes(loaded_ + "\\server.lst", tenMegabytes);
    }

    std::vector<Row> StartUpRows() {
        std::vector<double> launcher, minimal, fonts, plain;
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
        const std::string minimalExe = plain_ + "\\minimal_window.exe";
        StartUp(plain_ + "\\zrklauncher.exe", plain_);  // warm the caches once
        StartUp(minimalExe, plain_);
        for (int i = 0; i < trials_; ++i) {
            launcher.push_back(StartUp(plain_ + "\\zrklauncher.exe", plain_));
            minimal.push_back(StartUp(minimalExe, plain_));
            fonts.push_back(StartUp(minimalExe, plain_, " --fonts"));
        }
        // Start-up reads neither server.lst nor the key: their size must not
        // show. Each trial runs the three start-ups one after the other.
        std::vector<double> bigList, bigKey;
        const std::string megabyte(1 << 20, 'x');
        for (int i = 0; i < trials_; ++i) {
            bigList.push_back(StartUp(loaded_ + "\\zrklauncher.exe", loaded_));
            SetValue("SERVER", REG_SZ, megabyte + '\0');
            SetValue("A_FONT_JAPAN", REG_SZ, megabyte + '\0');
            SetDword("CTRLFLAG6", 2);
            bigKey.push_back(StartUp(plain_ + "\\zrklauncher.exe", plain_));
            RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
            plain.push_back(StartUp(plain_ + "\\zrklauncher.exe", plain_));
        }
        return {{"start-up until the main window is shown", Median(launcher), "minimal_window.exe", Median(minimal), 1.10},
                {"start-up until the main window is shown", Median(launcher), "minimal_window.exe --fonts",
                 Median(fonts), 0},
                {"start-up beside a 10 MB server.lst", Median(bigList), "start-up without it", Median(plain), 0},
                {"start-up with 2 MB of values in the key", Median(bigKey), "start-up without them", Median(plain), 0}};
    }

    Row ClickToExitRow() {
        SetDword("CTRLFLAG1", 0);
        SetDword("CTRLFLAG6", 0);
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", "1");
        std::vector<double> clicks, bare;
        ClickToExit();  // warm-up
        BareCreation();
        for (int i = 0; i < trials_; ++i) {
            clicks.push_back(ClickToExit());
            bare.push_back(BareCreation());
        }
        SetEnvironmentVariableA("ZRK_STANDIN_EXIT", nullptr);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
        return {"click on 在线游戏 until the launcher has ended", Median(clicks), "CreateProcess + wait, stand-in",
                Median(bare), 1.10};
    }

    std::vector<Row> FontRows() {
        InitApplication();
        TForm5 dialog;
        dialog.Create();
        const int families = dialog.ComboBox1->Entries().Count();
        std::vector<double> real, enumeration, synthetic;
        std::vector<std::string> names;
        for (int i = 0; i < 2000; ++i) {
            char face[32] = {};
            std::snprintf(face, sizeof face, "Synthetic Family %04d", i);
            names.push_back(std::string(face, sizeof face));
        }
        for (int i = 0; i < trials_; ++i) {
            double start = NowMs();
            dialog.FormCreate();
            real.push_back(NowMs() - start);
            start = NowMs();
            int counted = 0;
            HDC dc = GetDC(dialog.Handle());
            EnumFontFamiliesA(dc, nullptr, CountFamily, reinterpret_cast<LPARAM>(&counted));
            ReleaseDC(dialog.Handle(), dc);
            enumeration.push_back(NowMs() - start);
            for (OwnerDrawList* box : {dialog.ComboBox1, dialog.ComboBox2, dialog.ComboBox3, dialog.ComboBox4,
                                       dialog.ComboBox5})
                box->Entries().Clear();
            start = NowMs();
            for (const std::string& name : names) dialog.AddFamily(name.data());
            synthetic.push_back(NowMs() - start);
            for (OwnerDrawList* box : {dialog.ComboBox1, dialog.ComboBox2, dialog.ComboBox3, dialog.ComboBox4,
                                       dialog.ComboBox5})
                box->Entries().Clear();
        }
        char perFamily[64];
        std::snprintf(perFamily, sizeof perFamily, " (%.1f us each)", 1000 * Median(synthetic) / 2000);
        return {{"font list fill, the system's " + std::to_string(families) + " families", Median(real),
                 "the enumeration alone", Median(enumeration), 0},
                {std::string("font list fill, 2,000 made-up families") + perFamily, Median(synthetic), "", 0, 0}};
    }

    // The launcher's own start-up work, step by step, in process: the same
    // windows created in the same order as at program start, then shown.
    static void PrintSteps(int trials) {
        std::vector<double> steps[6];
        for (int i = 0; i < trials; ++i) {
            double start = NowMs();
            InitApplication();
            steps[0].push_back(NowMs() - start);
            Win32Registry registry;
            Win32Files files;
            TForm5 form5;
            TForm1 form1{registry, files};
            TForm2 form2{&form5, PanelServices{registry, files}};
            TForm4 form4;
            Form* forms[] = {&form1, &form2, &form4, &form5};
            for (int f = 0; f < 4; ++f) {
                start = NowMs();
                forms[f]->Create();
                steps[f + 1].push_back(NowMs() - start);
            }
            start = NowMs();
            form1.Show();
            UpdateWindow(form1.Handle());
            steps[5].push_back(NowMs() - start);
            form1.Hide();
        }
        const char* names[] = {"common controls", "TForm1 main window", "TForm2 settings panel",
                               "TForm4 patches window", "TForm5 font dialog (font list fill)",
                               "main window shown and painted"};
        std::printf("\nStart-up steps in process (ms): the first time in the process, then the median of %d\n",
                    trials);
        double first = 0, median = 0;
        for (int i = 0; i < 6; ++i) {
            std::printf("  %-40s %8.1f %8.1f\n", names[i], steps[i][0], Median(steps[i]));
            first += steps[i][0];
            median += Median(steps[i]);
        }
        std::printf("  %-40s %8.1f %8.1f\n", "sum", first, median);
    }

    void PrintMemory() {
        Child launcher(plain_ + "\\zrklauncher.exe", Quoted(plain_ + "\\zrklauncher.exe"), plain_);
        HWND main = launcher.WaitForWindow();
        Sleep(300);
        const PROCESS_MEMORY_COUNTERS afterStart = Memory(launcher.Process());
        Click(main, 112, 207);  // 选项: the panel, its server list and the key
        Sleep(1500);
        const PROCESS_MEMORY_COUNTERS afterOptions = Memory(launcher.Process());
        Child minimal(plain_ + "\\minimal_window.exe", Quoted(plain_ + "\\minimal_window.exe"), plain_);
        minimal.WaitForWindow();
        Sleep(300);
        const PROCESS_MEMORY_COUNTERS yardstick = Memory(minimal.Process());
        std::printf("\nPeak memory (KiB)                                 working set   pagefile\n");
        PrintMemoryRow("launcher, main window shown", afterStart);
        PrintMemoryRow("launcher, after the settings panel opened", afterOptions);
        PrintMemoryRow("minimal_window.exe, window shown", yardstick);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brelvik");
    }

private:
    double ClickToExit() {
        const std::string record = game_ + "\\zrk_record.txt";
        DeleteFileA(record.c_str());
        Child launcher(game_ + "\\zrklauncher.exe", Quoted(game_ + "\\zrklauncher.exe"), game_);
        HWND main = launcher.WaitForWindow();
        Sleep(300);
        const double start = NowMs();
        Click(main, 112, 135);
        launcher.WaitForExit(30000);
        const double ended = NowMs() - start;
        WaitForRecord(record);  // the client has run to its end before the next trial
        return ended;
    }

    double BareCreation() {
        const std::string record = game_ + "\\zrk_record.txt";
        DeleteFileA(record.c_str());
        const double start = NowMs();
        Child client(game_ + "\\zrk.exe", "zrk.exe -online", game_);
        client.WaitForExit(30000);
        return NowMs() - start;
    }

    static void WaitForRecord(const std::string& record) {
        for (int i = 0; i < 3000 && GetFileAttributesA(record.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(5);
        Sleep(50);
    }

    static PROCESS_MEMORY_COUNTERS Memory(HANDLE process) {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(process, &counters, sizeof counters);
        return counters;
    }

    static void PrintMemoryRow(const char* what, const PROCESS_MEMORY_COUNTERS& counters) {
        std::printf("%-48s %12lu %10lu\n", what, static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024),
                    static_cast<unsigned long>(counters.PeakPagefileUsage / 1024));
    }

    std::string launcher_, client_, minimal_;
    int trials_;
    std::string plain_, loaded_, game_;
};

}  // namespace
}  // namespace zrk

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--steps") {
        zrk::Bench::PrintSteps(std::atoi(argv[2]));
        return 0;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: zrkbench LAUNCHER CLIENT MINIMAL [TRIALS]\n");
        return 2;
    }
    const int trials = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    zrk::Bench bench(argv[1], argv[2], argv[3], trials);
    std::vector<zrk::Row> rows = bench.StartUpRows();
    rows.push_back(bench.ClickToExitRow());
    for (const zrk::Row& row : bench.FontRows()) rows.push_back(row);
    zrk::Print(rows, trials);
    bench.PrintMemory();
    // In a fresh process, so that the first trial pays what start-up pays.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    zrk::Child steps(self, zrk::Quoted(self) + " --steps " + std::to_string(trials), ".");
    steps.WaitForExit(INFINITE);
    return 0;
}
