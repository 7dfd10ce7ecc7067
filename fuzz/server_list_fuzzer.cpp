// server.lst from any bytes, and the save's record server choice on top of
// it: the reader never yields a line-end or NUL inside an entry, what the
// writer writes reads back as the same entries, and a new text goes first
// without losing more of the history than the one entry the cap removes.
//
// Input: byte 0 flags (bit 0: the write of server.lst fails), byte 1 the
// length L of the typed text, L bytes of text, the rest the file's bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/server_history.h"
#include "config/server_list_format.h"
#include "fuzz/fuzz_check.h"
#include "platform/failure.h"
#include "tests/support/memory_files.h"
#include "tests/support/memory_server_box.h"

namespace zrk {
namespace {

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

void CheckReader(const std::string& file, const std::vector<std::string>& entries) {
    size_t bytes = 0;
    for (const std::string& entry : entries) {
        ZRK_REQUIRE(entry.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        bytes += entry.size();
    }
    ZRK_REQUIRE(bytes <= file.size());
    ZRK_REQUIRE(ParseServerList(FormatServerList(entries)) == entries);
}

// The history a save of a new text writes: the text first, then the old
// entries without the tenth when there were ten or more.
std::vector<std::string> HistoryAfter(const std::string& text, std::vector<std::string> old) {
    if (old.size() >= 10) old.erase(old.begin() + 9);
    old.insert(old.begin(), text);
    return old;
}

void CheckRecord(const std::string& file, const std::vector<std::string>& entries,
                 const std::string& text, bool writeFails) {
    MemoryFiles files;
    files.Put(kServerListFile, file);
    MemoryServerBox box;
    LoadServerList(box, files);
    std::vector<std::string> loaded = entries;
    loaded.insert(loaded.begin(), kBuiltInServer);
    ZRK_REQUIRE(box.Entries() == loaded);
    ZRK_REQUIRE(box.Text() == kBuiltInServer);

    int match = -1;
    for (size_t i = 0; i < loaded.size() && match < 0 && !text.empty(); ++i)
        if (SameIgnoringAsciiCase(loaded[i], text)) match = static_cast<int>(i);

    box.SetText(text);
    if (writeFails) files.FailWrites("Access is denied.");
    bool custom = false;
    bool failed = false;
    try {
        custom = RecordServerChoice(box, files);
    } catch (const Failure&) {
        failed = true;
    }
    ZRK_REQUIRE(failed == (writeFails && match < 0));
    ZRK_REQUIRE(files.WriteAttempts() == (match < 0 ? 1 : 0));
    if (match >= 0 || failed) {
        // Nothing new was recorded: the file and the list stay as they were.
        ZRK_REQUIRE(files.Get(kServerListFile) == file);
        ZRK_REQUIRE(box.Entries() == loaded);
        ZRK_REQUIRE(box.Text() == text);
        if (!failed) ZRK_REQUIRE(custom == (match != 0));
        return;
    }
    ZRK_REQUIRE(custom);
    const std::vector<std::string> history = HistoryAfter(text, entries);
    const std::string written = files.Get(kServerListFile);
    ZRK_REQUIRE(written == FormatServerList(history));
    ZRK_REQUIRE(box.Entries() == history);
    // Read back, the typed text comes first (as the lines it holds) and the
    // kept history follows unchanged.
    std::vector<std::string> expected = ParseServerList(text + "\r\n");
    expected.insert(expected.end(), history.begin() + 1, history.end());
    ZRK_REQUIRE(ParseServerList(written) == expected);
}

}  // namespace
}  // namespace zrk

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const bool writeFails = size > 0 && (data[0] & 1);
    const size_t textSize = size > 1 ? data[1] : 0;
    const std::string rest = size > 2 ? input.substr(2) : std::string();
    // The box never holds a NUL: neither typing nor the SERVER value (read up
    // to its first zero byte) can put one there.
    std::string text = rest.substr(0, textSize);
    text = text.substr(0, text.find('\0'));
    const std::string file = rest.substr(std::min(textSize, rest.size()));

    const std::vector<std::string> entries = zrk::ParseServerList(file);
    zrk::CheckReader(file, entries);
    zrk::CheckRecord(file, entries, text, writeFails);
    return 0;
}
