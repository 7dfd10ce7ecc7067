// The options, first-run and save sequences over the test registry.

#include "ui/panel_sequences.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/font_values.h"
#include "tests/support/fake_panel.h"
#include "tests/support/fake_registry.h"
#include "tests/support/failure_text.h"
#include "tests/support/memory_files.h"

namespace zrk {
namespace {

const std::string kKey = "Software\\Brelvik\\ZRKV2";

class PanelSequences : public ::testing::Test {
protected:
    PanelServices Services() { return PanelServices{registry, files}; }

    std::vector<int> Positions() const {
        return std::vector<int>(panel.settings.position, panel.settings.position + kTrackBarCount);
    }
    bool WasQueried(const std::string& name) const {
        const auto& log = registry.Log();
        return std::find(log.begin(), log.end(), "Query " + name) != log.end();
    }
    int SetCalls() const {
        const auto& log = registry.Log();
        return static_cast<int>(std::count_if(log.begin(), log.end(), [](const std::string& entry) {
            return entry.rfind("Set ", 0) == 0;
        }));
    }
    std::string Stored(const std::string& name) const { return registry.StoredBytes(name); }
    uint32_t StoredType(const std::string& name) const {
        auto value = registry.Value(name);
        return value ? value->type : 0;
    }

    FakeRegistry registry;
    MemoryFiles files;
    FakePanel panel;
};

const std::vector<int> kDefaults = {2, 1, 1, 1, 2, 1, 1, 1, 0};

TEST_F(PanelSequences, OptionsWithoutTheKeyCreatesItAndShowsTheDefaults) {
    panel.fonts.Select(1, 0);  // a choice made earlier in the run
    RunOptionsSequence(panel, Services());
    EXPECT_TRUE(registry.HasKey(kKey));
    EXPECT_EQ(Positions(), kDefaults);
    EXPECT_FALSE(panel.settings.windowed);
    EXPECT_EQ(panel.servers.Text(), "DODER SERVER");
    EXPECT_EQ(panel.servers.Entries(), std::vector<std::string>{"DODER SERVER"});
    EXPECT_EQ(panel.fonts.Chosen(1), 0) << "font choices stay as they were";
    EXPECT_EQ(panel.showings, 1);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

struct OptionsCase {
    const char* name;
    void (*arrange)(FakeRegistry&);
    std::vector<int> positions;
    bool windowed;
    std::string serverText;
    std::vector<int> fontChoices;  // per row, -1 none
    bool readsCtrlFlag6;
};

void FullConfiguration(FakeRegistry& r) {
    r.SetDword("CTRLFLAG0", 0x77F40002);  // every position 0
    r.SetDword("CTRLFLAG1", 0x54);
    r.SetString("A_FONT_JAPAN", "ms gothic");
    r.SetString("A_FONT_LATIN", "Arial");
    r.SetString("A_FONT_SIMPLE_CHINESE", "SIMSUN");
    r.SetString("A_FONT_TRAD_CHINESE", "It is not chosen.");
    r.SetString("A_FONT_KOREA", "Not Installed");
}

const OptionsCase kOptionsCases[] = {
    {"windowed and custom server",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetDword("CTRLFLAG6", 3);
         r.SetString("SERVER", "play.example.net");
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0}, true, "play.example.net", {3, 0, 1, -1, -1}, true},
    {"custom server bit without SERVER empties the box",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetDword("CTRLFLAG6", 2);
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0}, false, "", {3, 0, 1, -1, -1}, true},
    {"SERVER of another type keeps the built-in server",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetDword("CTRLFLAG6", 3);
         r.SetDword("SERVER", 7);
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0}, true, "DODER SERVER", {3, 0, 1, -1, -1}, true},
    {"CTRLFLAG6 missing counts as 0",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetString("SERVER", "never read");
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0}, false, "DODER SERVER", {3, 0, 1, -1, -1}, true},
    {"CTRLFLAG1 missing skips the fonts and CTRLFLAG6",
     [](FakeRegistry& r) {
         r.SetDword("CTRLFLAG0", 0x77F40002);
         r.SetString("A_FONT_JAPAN", "ms gothic");
         r.SetDword("CTRLFLAG6", 3);
     },
     {0, 0, 0, 0, 2, 0, 0, 0, 0}, false, "DODER SERVER", {-1, 2, -1, -1, -1}, false},
    {"CTRLFLAG0 stored as a string reads nothing further",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetString("CTRLFLAG0", "12");
         r.SetDword("CTRLFLAG6", 1);
     },
     kDefaults, false, "DODER SERVER", {-1, 2, -1, -1, -1}, false},
    {"a font value of another type mid-way keeps the later rows",
     [](FakeRegistry& r) {
         FullConfiguration(r);
         r.SetDword("A_FONT_SIMPLE_CHINESE", 1);
         r.SetDword("CTRLFLAG6", 1);
     },
     {0, 0, 0, 0, 0, 0, 0, 0, 0}, false, "DODER SERVER", {3, 0, -1, -1, -1}, false},
};

TEST_F(PanelSequences, OptionsReadsWhatTheKeyHoldsAndStopsAtTheFirstFailure) {
    for (const OptionsCase& c : kOptionsCases) {
        SCOPED_TRACE(c.name);
        FakeRegistry r;
        c.arrange(r);
        FakePanel p;
        p.fonts.Select(1, 2);  // earlier choices: rows without a new load keep them
        RunOptionsSequence(p, PanelServices{r, files});
        EXPECT_EQ(std::vector<int>(p.settings.position, p.settings.position + kTrackBarCount), c.positions);
        EXPECT_EQ(p.settings.windowed, c.windowed);
        EXPECT_EQ(p.servers.Text(), c.serverText);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(p.fonts.Chosen(row), c.fontChoices[static_cast<size_t>(row)]) << "row " << row + 1;
        const auto& log = r.Log();
        EXPECT_EQ(std::find(log.begin(), log.end(), "Query CTRLFLAG6") != log.end(), c.readsCtrlFlag6);
        EXPECT_EQ(p.showings, 1);
        EXPECT_EQ(r.OpenKeys(), 0);
    }
}

TEST_F(PanelSequences, OptionsWithAnUnreadableServerListShowsNothing) {
    files.Put("server.lst", "a\r\n");
    files.FailReads("Sharing violation.");
    EXPECT_EQ(FailureText([&] { RunOptionsSequence(panel, Services()); }),
              "Cannot open file \"C:\\game\\server.lst\". Sharing violation.");
    EXPECT_EQ(panel.showings, 0);
    EXPECT_TRUE(registry.Log().empty()) << "the key is not touched";
}

TEST_F(PanelSequences, FirstRunThenSaveWithoutChangesWritesTheDefaults) {
    RunFirstRunShowing(panel, Services());
    EXPECT_EQ(panel.showings, 1);
    EXPECT_TRUE(registry.Log().empty()) << "the first-run showing reads nothing";
    EXPECT_EQ(panel.servers.Text(), "DODER SERVER");

    RunSaveSequence(panel, Services());
    EXPECT_EQ(Stored("CTRLFLAG0"), DwordBytes(0x77F40002));
    EXPECT_EQ(Stored("CTRLFLAG1"), DwordBytes(0x54));
    EXPECT_EQ(Stored("CTRLFLAG6"), DwordBytes(0));
    EXPECT_EQ(Stored("SERVER"), std::string("DODER SERVER") + '\0');
    EXPECT_EQ(Stored("dir"), std::string(".\\") + '\0');
    EXPECT_EQ(Stored("LANGUAGE"), DwordBytes(1));
    for (const FontRow& row : kFontRows) {
        EXPECT_EQ(Stored(row.textValue), std::string("It is not chosen.") + '\0');
        EXPECT_EQ(StoredType(row.widenedValue), kRegBinary);
        EXPECT_EQ(Stored(row.widenedValue).size(), 36u);
    }
    EXPECT_FALSE(files.Has("server.lst"));
    EXPECT_TRUE(panel.closed);
    EXPECT_TRUE(panel.errors.empty());
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(PanelSequences, SaveWritesInOrderWithTheTypedHostAndTheWindowedBit) {
    registry.SetDword("CTRLFLAG6", 0xFFFFFFF0);  // old bits that no control sets
    files.Put("server.lst", "old.example.net\r\n");
    RunFirstRunShowing(panel, Services());
    panel.settings.windowed = true;
    panel.fonts.Select(0, 3);
    panel.servers.SetText("new.example.net");
    registry.ClearLog();

    RunSaveSequence(panel, Services());
    EXPECT_EQ(Stored("CTRLFLAG6"), DwordBytes(3));
    EXPECT_EQ(Stored("SERVER"), std::string("new.example.net") + '\0');
    EXPECT_EQ(files.Get("server.lst"), "new.example.net\r\nold.example.net\r\n");
    EXPECT_EQ(Stored("A_FONT_JAPAN"), std::string("MS Gothic") + '\0');
    std::vector<std::string> sets;
    for (const std::string& entry : registry.Log()) {
        if (entry.rfind("Set ", 0) == 0)
            sets.push_back(entry.substr(4));
    }
    EXPECT_EQ(sets, (std::vector<std::string>{
                        "CTRLFLAG0", "CTRLFLAG1", "CTRLFLAG6", "SERVER", "dir", "CTRLFLAG2",
                        "CTRLFLAG3", "INSTALL", "LANGUAGE", "A_FONT_JAPAN", "W_FONT_JAPAN",
                        "A_FONT_LATIN", "W_FONT_LATIN", "A_FONT_SIMPLE_CHINESE",
                        "W_FONT_SIMPLE_CHINESE", "A_FONT_TRAD_CHINESE", "W_FONT_TRAD_CHINESE",
                        "A_FONT_KOREA", "W_FONT_KOREA"}));
    EXPECT_TRUE(panel.closed);
}

TEST_F(PanelSequences, SavingAnEmptyServerTextRecordsAnEmptyEntry) {
    registry.SetDword("CTRLFLAG0", 0);
    registry.SetDword("CTRLFLAG1", 0);
    registry.SetDword("CTRLFLAG6", 2);
    RunOptionsSequence(panel, Services());
    ASSERT_EQ(panel.servers.Text(), "");
    RunSaveSequence(panel, Services());
    EXPECT_EQ(files.Get("server.lst"), "\r\n");
    EXPECT_EQ(Stored("SERVER"), std::string(1, '\0'));
    EXPECT_EQ(Stored("CTRLFLAG6"), DwordBytes(2));
}

TEST_F(PanelSequences, SaveWhenTheKeyCannotBeOpenedWritesNothingSaysSoAndCloses) {
    RunFirstRunShowing(panel, Services());
    registry.FailOn(FakeRegistry::Op::Create, kKey);
    RunSaveSequence(panel, Services());
    EXPECT_EQ(SetCalls(), 0);
    EXPECT_EQ(panel.errors, std::vector<std::string>{"Failed to open key \\Software\\Brelvik\\ZRKV2"});
    EXPECT_TRUE(panel.closed);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(PanelSequences, SaveWhenServerListCannotBeWrittenWritesNothingAndStaysOpen) {
    RunFirstRunShowing(panel, Services());
    panel.servers.SetText("new.example.net");
    files.FailWrites("Access denied.");
    EXPECT_EQ(FailureText([&] { RunSaveSequence(panel, Services()); }),
              "Cannot create file \"C:\\game\\server.lst\". Access denied.");
    EXPECT_EQ(SetCalls(), 0);
    EXPECT_FALSE(panel.closed);
    EXPECT_EQ(panel.servers.Entries(), std::vector<std::string>{"DODER SERVER"});
}

TEST_F(PanelSequences, SaveWhoseThirdWriteFailsKeepsTheFirstTwoAndStaysOpen) {
    registry.SetDword("CTRLFLAG6", 1);
    registry.SetString("SERVER", "before");
    RunFirstRunShowing(panel, Services());
    registry.FailOn(FakeRegistry::Op::Set, "CTRLFLAG6");
    EXPECT_EQ(FailureText([&] { RunSaveSequence(panel, Services()); }),
              "Failed to set data for 'CTRLFLAG6'");
    EXPECT_EQ(Stored("CTRLFLAG0"), DwordBytes(0x77F40002));
    EXPECT_EQ(Stored("CTRLFLAG1"), DwordBytes(0x54));
    EXPECT_EQ(Stored("CTRLFLAG6"), DwordBytes(1));
    EXPECT_EQ(Stored("SERVER"), std::string("before") + '\0');
    EXPECT_EQ(Stored("dir"), "(missing)");
    EXPECT_EQ(Stored("A_FONT_JAPAN"), "(missing)");
    EXPECT_FALSE(panel.closed);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

}  // namespace
}  // namespace zrk
