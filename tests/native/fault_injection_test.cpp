// Every registry call of every sequence refused in turn: the n-th call fails,
// for n = 1, 2, ... until the sequence makes fewer than n calls. Each table
// row is the call that fails and what the player is left with: what is
// written, what the controls show, which message appears, and that the
// store is released.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "config/font_values.h"
#include "launch/launch_sequence.h"
#include "launch/patch_plan.h"
#include "tests/support/fake_panel.h"
#include "tests/support/fake_registry.h"
#include "tests/support/failure_text.h"
#include "tests/support/memory_files.h"
#include "tests/support/written_client.h"
#include "ui/panel_sequences.h"

namespace zrk {
namespace {

const char kCreateKey[] = "Create Software\\Brelvik\\ZRKV2";
const char kNoFailure[] = "(no failure)";

std::string Sz(const std::string& text) { return text + '\0'; }

// Runs attempt(n) for n = 1, 2, ... until the sequence makes fewer than n
// registry calls; check(n, registry) looks at each run that had a call
// refused, with the table's row n. Gives the number of runs checked.
template <typename Attempt, typename Check>
size_t RefuseEachCallInTurn(size_t rows, Attempt attempt, Check check) {
    for (int n = 1;; ++n) {
        FakeRegistry registry;
        registry.FailCall(n);
        attempt(registry);
        if (static_cast<int>(registry.Log().size()) < n)
            return static_cast<size_t>(n - 1);
        if (static_cast<size_t>(n) > rows) {
            ADD_FAILURE() << "the sequence makes more calls than the table has rows";
            return static_cast<size_t>(n);
        }
        SCOPED_TRACE("call " + std::to_string(n) + " refused: " + registry.Log()[static_cast<size_t>(n - 1)]);
        check(n, registry);
    }
}

// Options sequence ----------------------------------------------------------

const std::vector<int> kDefaults = {2, 1, 1, 1, 2, 1, 1, 1, 0};
const std::vector<int> kAllLeft = {0, 0, 0, 0, 0, 0, 0, 0, 0};
const std::vector<int> kFlag0Only = {0, 0, 0, 0, 2, 0, 0, 0, 0};
const std::vector<int> kEarlierFonts = {2, 2, 2, 2, 2};  // "@SimSun" picked before
const std::vector<int> kStoredFonts = {3, 0, 1, 1, 0};

struct OptionsRow {
    const char* call;
    std::vector<int> positions;
    bool windowed;
    const char* serverText;
    std::vector<int> fonts;  // per row, -1 no choice
};

const OptionsRow kOptionsRows[] = {
    {kCreateKey, kDefaults, false, "DODER SERVER", kEarlierFonts},
    {"Query CTRLFLAG0", kDefaults, false, "DODER SERVER", kEarlierFonts},
    {"Query CTRLFLAG1", kFlag0Only, false, "DODER SERVER", kEarlierFonts},
    {"Query A_FONT_JAPAN", kAllLeft, true, "play.example.net", {-1, 0, 1, 1, 0}},
    {"Query A_FONT_LATIN", kAllLeft, true, "play.example.net", {3, -1, 1, 1, 0}},
    {"Query A_FONT_SIMPLE_CHINESE", kAllLeft, true, "play.example.net", {3, 0, -1, 1, 0}},
    {"Query A_FONT_TRAD_CHINESE", kAllLeft, true, "play.example.net", {3, 0, 1, -1, 0}},
    {"Query A_FONT_KOREA", kAllLeft, true, "play.example.net", {3, 0, 1, 1, -1}},
    {"Query CTRLFLAG6", kAllLeft, false, "DODER SERVER", kStoredFonts},
    {"Query SERVER", kAllLeft, true, "", kStoredFonts},
    {"Close", kAllLeft, true, "play.example.net", kStoredFonts},
};

// Every value the options sequence reads, stored and sound: every track bar
// at its left end, windowed, a custom server, a font for every row.
void StoredConfiguration(FakeRegistry& r) {
    const std::pair<const char*, uint32_t> words[] = {{"CTRLFLAG0", 0x77F40002}, {"CTRLFLAG1", 0x54}, {"CTRLFLAG6", 3}};
    for (const auto& [name, value] : words) r.SetDword(name, value);
    const std::pair<const char*, const char*> texts[] = {
        {"A_FONT_JAPAN", "ms gothic"}, {"A_FONT_LATIN", "Arial"},  {"A_FONT_SIMPLE_CHINESE", "SIMSUN"},
        {"A_FONT_TRAD_CHINESE", "simsun"}, {"A_FONT_KOREA", "arial"}, {"SERVER", "play.example.net"}};
    for (const auto& [name, text] : texts) r.SetString(name, text);
}

TEST(FaultInjection, OptionsSequenceGoesOnWithWhatItReadAndShowsThePanel) {
    MemoryFiles files;
    files.Put("server.lst", "old.example.net\r\n");
    FakePanel panel;
    std::string failure;
    auto attempt = [&](FakeRegistry& registry) {
        StoredConfiguration(registry);
        panel = FakePanel();
        for (int row = 0; row < kFontRowCount; ++row)
            panel.fonts.Select(row, 2);
        failure = FailureText([&] { RunOptionsSequence(panel, PanelServices{registry, files}); });
    };
    auto check = [&](int n, const FakeRegistry& registry) {
        const OptionsRow& row = kOptionsRows[n - 1];
        EXPECT_EQ(registry.Log()[static_cast<size_t>(n - 1)], row.call);
        EXPECT_EQ(std::vector<int>(panel.settings.position, panel.settings.position + kTrackBarCount),
                  row.positions);
        EXPECT_EQ(panel.settings.windowed, row.windowed);
        EXPECT_EQ(panel.servers.Text(), row.serverText);
        for (int r = 0; r < kFontRowCount; ++r)
            EXPECT_EQ(panel.fonts.Chosen(r), row.fonts[static_cast<size_t>(r)]) << "font row " << r + 1;
        EXPECT_EQ(failure, kNoFailure);
        EXPECT_TRUE(panel.errors.empty());
        EXPECT_EQ(panel.showings, 1);
        EXPECT_EQ(registry.OpenKeys(), 0) << "the store is released";
        EXPECT_EQ(std::count_if(registry.Log().begin(), registry.Log().end(),
                                [](const std::string& e) { return e.rfind("Set ", 0) == 0; }),
                  0)
            << "nothing is written";
    };
    EXPECT_EQ(RefuseEachCallInTurn(std::size(kOptionsRows), attempt, check), std::size(kOptionsRows));
}

// Save sequence -------------------------------------------------------------

// The values a save writes, in order, that the key held before (seeded
// values only when absent: dir and LANGUAGE are there already).
const char* const kSaveOrder[] = {
    "CTRLFLAG0",    "CTRLFLAG1",    "CTRLFLAG6",    "SERVER",       "CTRLFLAG2",
    "CTRLFLAG3",    "INSTALL",      "A_FONT_JAPAN", "W_FONT_JAPAN", "A_FONT_LATIN",
    "W_FONT_LATIN", "A_FONT_SIMPLE_CHINESE", "W_FONT_SIMPLE_CHINESE", "A_FONT_TRAD_CHINESE",
    "W_FONT_TRAD_CHINESE", "A_FONT_KOREA", "W_FONT_KOREA",
};
constexpr size_t kAll = std::size(kSaveOrder);

enum class Shown { Nothing, ErrorMessage, DefaultErrorBox };

struct SaveRow {
    const char* call;
    Shown shown;
    const char* text;  // of the message or the default error box
    bool closed;
    size_t written;  // how many of kSaveOrder hold the new value; the rest the old
    const char* dir;
    uint32_t language;
};

const char kOpenKeyFailedText[] = "Failed to open key \\Software\\Brelvik\\ZRKV2";
const char kOldDir[] = "D:\\zrk\\";

const SaveRow kSaveRows[] = {
    {kCreateKey, Shown::ErrorMessage, kOpenKeyFailedText, true, 0, kOldDir, 0},
    {"Set CTRLFLAG0", Shown::DefaultErrorBox, "Failed to set data for 'CTRLFLAG0'", false, 0, kOldDir, 0},
    {"Set CTRLFLAG1", Shown::DefaultErrorBox, "Failed to set data for 'CTRLFLAG1'", false, 1, kOldDir, 0},
    {"Set CTRLFLAG6", Shown::DefaultErrorBox, "Failed to set data for 'CTRLFLAG6'", false, 2, kOldDir, 0},
    {"Set SERVER", Shown::DefaultErrorBox, "Failed to set data for 'SERVER'", false, 3, kOldDir, 0},
    // A refused look-up counts as an absent value: the seed is written over it.
    {"Query dir", Shown::Nothing, "", true, kAll, ".\\", 0},
    {"Query CTRLFLAG2", Shown::Nothing, "", true, kAll, kOldDir, 0},
    {"Set CTRLFLAG2", Shown::DefaultErrorBox, "Failed to set data for 'CTRLFLAG2'", false, 4, kOldDir, 0},
    {"Query CTRLFLAG3", Shown::Nothing, "", true, kAll, kOldDir, 0},
    {"Set CTRLFLAG3", Shown::DefaultErrorBox, "Failed to set data for 'CTRLFLAG3'", false, 5, kOldDir, 0},
    {"Query INSTALL", Shown::Nothing, "", true, kAll, kOldDir, 0},
    {"Set INSTALL", Shown::DefaultErrorBox, "Failed to set data for 'INSTALL'", false, 6, kOldDir, 0},
    {"Query LANGUAGE", Shown::Nothing, "", true, kAll, kOldDir, 1},
    {"Set A_FONT_JAPAN", Shown::DefaultErrorBox, "Failed to set data for 'A_FONT_JAPAN'", false, 7, kOldDir, 0},
    {"Set W_FONT_JAPAN", Shown::DefaultErrorBox, "Failed to set data for 'W_FONT_JAPAN'", false, 8, kOldDir, 0},
    {"Set A_FONT_LATIN", Shown::DefaultErrorBox, "Failed to set data for 'A_FONT_LATIN'", false, 9, kOldDir, 0},
    {"Set W_FONT_LATIN", Shown::DefaultErrorBox, "Failed to set data for 'W_FONT_LATIN'", false, 10, kOldDir, 0},
    {"Set A_FONT_SIMPLE_CHINESE", Shown::DefaultErrorBox, "Failed to set data for 'A_FONT_SIMPLE_CHINESE'",
     false, 11, kOldDir, 0},
    {"Set W_FONT_SIMPLE_CHINESE", Shown::DefaultErrorBox, "Failed to set data for 'W_FONT_SIMPLE_CHINESE'",
     false, 12, kOldDir, 0},
    {"Set A_FONT_TRAD_CHINESE", Shown::DefaultErrorBox, "Failed to set data for 'A_FONT_TRAD_CHINESE'",
     false, 13, kOldDir, 0},
    {"Set W_FONT_TRAD_CHINESE", Shown::DefaultErrorBox, "Failed to set data for 'W_FONT_TRAD_CHINESE'",
     false, 14, kOldDir, 0},
    {"Set A_FONT_KOREA", Shown::DefaultErrorBox, "Failed to set data for 'A_FONT_KOREA'", false, 15, kOldDir, 0},
    {"Set W_FONT_KOREA", Shown::DefaultErrorBox, "Failed to set data for 'W_FONT_KOREA'", false, 16, kOldDir, 0},
    {"Close", Shown::Nothing, "", true, kAll, kOldDir, 0},
};

// What the save below writes for each value of kSaveOrder.
std::string NewBytes(const std::string& name) {
    const std::string noChoice = kNoFontChoice;
    if (name == "CTRLFLAG0") return DwordBytes(0x77F40002);
    if (name == "CTRLFLAG1") return DwordBytes(0x54);
    if (name == "CTRLFLAG6") return DwordBytes(3);
    if (name == "SERVER") return Sz("new.example.net");
    if (name == "CTRLFLAG2" || name == "CTRLFLAG3" || name == "INSTALL") return DwordBytes(0);
    if (name == "A_FONT_JAPAN") return Sz("MS Gothic");
    if (name == "W_FONT_JAPAN") return WidenFontName("MS Gothic");
    return name[0] == 'A' ? Sz(noChoice) : WidenFontName(noChoice);
}

std::string OldBytes(const std::string& name) {
    if (name == "CTRLFLAG2" || name == "CTRLFLAG3" || name == "INSTALL") return "(missing)";
    return Sz("old");
}

TEST(FaultInjection, SaveSequenceKeepsWhatWasWrittenAndSaysWhy) {
    MemoryFiles files;
    FakePanel panel;
    std::string failure;
    auto attempt = [&](FakeRegistry& registry) {
        for (const char* name : kSaveOrder)
            if (OldBytes(name) != "(missing)")
                registry.SetValue(name, kRegSz, OldBytes(name));
        registry.SetString("dir", kOldDir);
        registry.SetDword("LANGUAGE", 0);
        files = MemoryFiles();
        files.Put("server.lst", "old.example.net\r\n");
        panel = FakePanel();
        RunFirstRunShowing(panel, PanelServices{registry, files});
        panel.settings.windowed = true;  // every track bar at 0
        panel.fonts.Select(0, 3);         // MS Gothic for the Japanese row
        panel.servers.SetText("new.example.net");
        failure = FailureText([&] { RunSaveSequence(panel, PanelServices{registry, files}); });
    };
    auto check = [&](int n, const FakeRegistry& registry) {
        const SaveRow& row = kSaveRows[n - 1];
        EXPECT_EQ(registry.Log()[static_cast<size_t>(n - 1)], row.call);
        for (size_t i = 0; i < kAll; ++i) {
            const std::string name = kSaveOrder[i];
            EXPECT_EQ(registry.StoredBytes(name), i < row.written ? NewBytes(name) : OldBytes(name)) << name;
        }
        EXPECT_EQ(registry.StoredBytes("dir"), Sz(row.dir));
        EXPECT_EQ(registry.StoredBytes("LANGUAGE"), DwordBytes(row.language));
        EXPECT_EQ(failure, row.shown == Shown::DefaultErrorBox ? row.text : kNoFailure);
        EXPECT_EQ(panel.errors, row.shown == Shown::ErrorMessage ? std::vector<std::string>{row.text}
                                                                 : std::vector<std::string>{});
        EXPECT_EQ(panel.closed, row.closed);
        EXPECT_EQ(registry.OpenKeys(), 0) << "the store is released";
        // The history is recorded before the key is touched.
        EXPECT_EQ(files.Get("server.lst"), "new.example.net\r\nold.example.net\r\n");
    };
    EXPECT_EQ(RefuseEachCallInTurn(std::size(kSaveRows), attempt, check), std::size(kSaveRows));
}

// Launches ------------------------------------------------------------------

struct LaunchRow {
    const char* call;
    int firstRunShowings;
    uint32_t ctrlFlag1After;
    size_t writes;     // 12 patches when windowed, + 1 host online
    std::string host;  // online only
};

const std::string kAbc = std::string("abc") + '\0';

const LaunchRow kOnlineRows[] = {
    // The key is there, but a refused look-up makes it a first launch.
    {"Open Software\\Brelvik\\ZRKV2 read", 1, 0x114, 13, kAbc},
    {"Close", 0, 0x114, 13, kAbc},
    {kCreateKey, 0, 0x104, 1, DefaultHostString()},
    {"Query CTRLFLAG1", 0, 0x104, 1, DefaultHostString()},
    {"Query CTRLFLAG6", 0, 0x114, 1, DefaultHostString()},
    {"Query SERVER", 0, 0x114, 13, std::string(1, '\0')},
    {"Set CTRLFLAG1", 0, 0x104, 13, kAbc},
    {"Close", 0, 0x114, 13, kAbc},
};

const LaunchRow kOfflineRows[] = {
    {"Open Software\\Brelvik\\ZRKV2 read", 1, 0x100, 12, ""},
    {"Close", 0, 0x100, 12, ""},
    {kCreateKey, 0, 0x104, 0, ""},
    {"Query CTRLFLAG1", 0, 0x104, 0, ""},
    {"Query CTRLFLAG6", 0, 0x100, 0, ""},
    {"Set CTRLFLAG1", 0, 0x104, 12, ""},
    {"Close", 0, 0x100, 12, ""},
};

template <size_t kRows>
void CheckLaunch(LaunchMode mode, const LaunchRow (&rows)[kRows]) {
    MemoryFiles files;
    files.Put("zrk.exe", "MZ");
    files.Put("zrkr.exe", "MZ");
    WrittenClient client;
    int firstRunShowings = 0;
    std::vector<std::string> errors;
    bool terminated = false;
    auto attempt = [&](FakeRegistry& registry) {
        registry.SetDword("CTRLFLAG1", 0x104);  // one online-mode bit set, one clear
        registry.SetDword("CTRLFLAG6", 3);
        registry.SetString("SERVER", "abc");
        client = WrittenClient();
        firstRunShowings = 0;
        errors.clear();
        terminated = false;
        LaunchServices services{registry, files, client, [&] { ++firstRunShowings; },
                                [&](const std::string& m) { errors.push_back(m); },
                                [&] { terminated = true; }, "C:\\game\\", 1920, 1080};
        RunLaunchSequence(mode, services);
    };
    auto check = [&](int n, const FakeRegistry& registry) {
        const LaunchRow& row = rows[n - 1];
        EXPECT_EQ(registry.Log()[static_cast<size_t>(n - 1)], row.call);
        EXPECT_EQ(firstRunShowings, row.firstRunShowings);
        EXPECT_EQ(registry.StoredBytes("CTRLFLAG1"), DwordBytes(row.ctrlFlag1After));
        EXPECT_EQ(client.writes.size(), row.writes);
        if (mode == LaunchMode::Online && !client.writes.empty()) {
            EXPECT_EQ(client.writes.back().address, kHostNameField);
            EXPECT_EQ(client.writes.back().bytes, row.host);
        }
        EXPECT_TRUE(errors.empty()) << "registry failures are never reported";
        EXPECT_TRUE(client.created);
        EXPECT_TRUE(terminated);
        EXPECT_EQ(registry.OpenKeys(), 0) << "the store is released";
    };
    EXPECT_EQ(RefuseEachCallInTurn(kRows, attempt, check), kRows);
}

TEST(FaultInjection, OnlineLaunchIsSilentAndStartsTheClientWhateverIsRefused) {
    CheckLaunch(LaunchMode::Online, kOnlineRows);
}

TEST(FaultInjection, OfflineLaunchIsSilentAndStartsTheClientWhateverIsRefused) {
    CheckLaunch(LaunchMode::Offline, kOfflineRows);
}

}  // namespace
}  // namespace zrk
