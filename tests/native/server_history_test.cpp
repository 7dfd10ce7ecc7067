#include "config/server_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/server_list_format.h"
#include "platform/failure.h"
#include "tests/support/failure_text.h"
#include "tests/support/memory_files.h"
#include "tests/support/memory_server_box.h"

namespace zrk {
namespace {

using Lines = std::vector<std::string>;

const std::string kBuiltIn = "DODER SERVER";
const std::string kFile = "server.lst";

std::string CrLfLines(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

Lines History(int n) {
    Lines history;
    for (int i = 1; i <= n; ++i) history.push_back("host" + std::to_string(i) + ".net");
    return history;
}

Lines WithBuiltIn(Lines history) {
    history.insert(history.begin(), kBuiltIn);
    return history;
}


struct ParseCase {
    const char* name;
    std::string bytes;
    Lines entries;
};

TEST(ServerHistory, LoadPutsTheBuiltInServerBeforeTheFileLines) {
    const ParseCase cases[] = {
        {"CR LF", "A\r\nB\r\n", {"A", "B"}},
        {"LF, no final end", "A\nB", {"A", "B"}},
        {"CR CR", "A\r\rB", {"A", "", "B"}},
        {"NUL ends the contents", std::string("A\0B\r\n", 5), {"A"}},
        {"empty file", "", {}},
        {"lone CR at the end", "A\r", {"A"}},
        {"one line end alone", "\r\n", {""}},
        {"LF CR is two ends", "A\n\rB", {"A", "", "B"}},
        {"nothing trimmed", " a b \t\r\n", {" a b \t"}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFiles files;
        files.Put(kFile, c.bytes);
        MemoryServerBox box({"stale"}, "stale text");
        LoadServerList(box, files);
        EXPECT_EQ(box.Entries(), WithBuiltIn(c.entries));
        EXPECT_EQ(box.Text(), kBuiltIn);
    }
}

TEST(ServerHistory, LoadWithoutAFileGivesTheBuiltInServerAlone) {
    MemoryFiles noFile;
    MemoryFiles folder;
    folder.AddFolder(kFile);
    for (MemoryFiles* files : {&noFile, &folder}) {
        MemoryServerBox box({"stale"}, "stale text");
        LoadServerList(box, *files);
        EXPECT_EQ(box.Entries(), Lines{kBuiltIn});
        EXPECT_EQ(box.Text(), kBuiltIn);
    }
}

TEST(ServerHistory, LoadFailuresReachTheCaller) {
    MemoryFiles unreadable;
    unreadable.Put(kFile, "A\r\n");
    unreadable.FailReads("The process cannot access the file because it is being used by another process.");
    MemoryServerBox box;
    EXPECT_EQ(FailureText([&] { LoadServerList(box, unreadable); }),
              "Cannot open file \"C:\\game\\server.lst\". The process cannot access the file because it "
              "is being used by another process.");

    MemoryFiles files;
    files.Put(kFile, "A\r\nB\r\n");
    MemoryServerBox refusing;
    refusing.FailInsert(2);
    EXPECT_EQ(FailureText([&] { LoadServerList(refusing, files); }), "Unable to insert a line");
}

TEST(ServerHistory, FormatEndsEveryEntryWithCrLf) {
    EXPECT_EQ(FormatServerList({"A", "B"}), "A\r\nB\r\n");
    EXPECT_EQ(FormatServerList({""}), "\r\n");
    EXPECT_EQ(FormatServerList({}), "");
    EXPECT_EQ(ParseServerList(FormatServerList({"x", "", "y"})), (Lines{"x", "", "y"}));
}

TEST(ServerHistory, ANewTextGoesFirstAndTheFileKeepsAtMostTen) {
    struct Case {
        int historySize;
        Lines written;
    };
    const Lines h = History(12);
    const Case cases[] = {
        {0, {"new.net"}},
        {9, {"new.net", h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8]}},
        {10, {"new.net", h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8]}},
        // A longer file written elsewhere loses only its 10th entry.
        {12, {"new.net", h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[10], h[11]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.historySize);
        MemoryFiles files;
        MemoryServerBox box(WithBuiltIn(History(c.historySize)), "new.net");
        EXPECT_TRUE(RecordServerChoice(box, files));
        EXPECT_EQ(files.Get(kFile), CrLfLines(c.written));
        EXPECT_EQ(box.Entries(), c.written);
    }
}

TEST(ServerHistory, AKnownTextLeavesListAndFileAlone) {
    struct Case {
        std::string text;
        bool customServer;
    };
    const Case cases[] = {
        {"DODER SERVER", false},
        {"doder server", false},
        {"HOST3.NET", true},
        {"host1.net", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MemoryFiles files;
        MemoryServerBox box(WithBuiltIn(History(4)), c.text);
        EXPECT_EQ(RecordServerChoice(box, files), c.customServer);
        EXPECT_EQ(files.WriteAttempts(), 0);
        EXPECT_FALSE(files.Has(kFile));
        EXPECT_EQ(box.Entries(), WithBuiltIn(History(4)));
        EXPECT_EQ(box.Text(), c.text);
    }
}

TEST(ServerHistory, OnlyAWholeMatchCounts) {
    MemoryFiles files;
    MemoryServerBox box(WithBuiltIn({"host.net"}), "DODER");
    EXPECT_TRUE(RecordServerChoice(box, files));
    EXPECT_EQ(files.Get(kFile), "DODER\r\nhost.net\r\n");
}

TEST(ServerHistory, AnEmptyTextMatchesNothingAndIsWrittenAsAnEmptyLine) {
    MemoryFiles files;
    MemoryServerBox box(WithBuiltIn({"a", "", "b"}), "");
    EXPECT_TRUE(RecordServerChoice(box, files));
    EXPECT_EQ(files.Get(kFile), "\r\na\r\n\r\nb\r\n");
    EXPECT_EQ(box.Entries(), (Lines{"", "a", "", "b"}));
}

TEST(ServerHistory, AFailedWriteKeepsTheOldFileAndPutsTheBoxBack) {
    MemoryFiles files;
    files.Put(kFile, CrLfLines(History(10)));
    files.FailWrites("Access is denied.");
    MemoryServerBox box(WithBuiltIn(History(10)), "new.net");
    EXPECT_EQ(FailureText([&] { RecordServerChoice(box, files); }),
              "Cannot create file \"C:\\game\\server.lst\". Access is denied.");
    EXPECT_EQ(files.Get(kFile), CrLfLines(History(10)));
    EXPECT_EQ(box.Entries(), WithBuiltIn(History(10)));
    EXPECT_EQ(box.Text(), "new.net");
}

TEST(ServerHistory, FindServerComparesWholeTextsIgnoringLetterCase) {
    const MemoryServerBox box(WithBuiltIn({"Host.Net", "", "host.net"}), "");
    EXPECT_EQ(FindServer(box, "HOST.NET"), 1);
    EXPECT_EQ(FindServer(box, "doder SERVER"), 0);
    EXPECT_EQ(FindServer(box, "host.ne"), -1);
    EXPECT_EQ(FindServer(box, ""), -1);
}

}  // namespace
}  // namespace zrk
