#include "config/server_history.h"

#include <vector>

#include "config/ascii_case.h"
#include "config/server_list_format.h"
#include "platform/failure.h"

namespace zrk {

const char kBuiltInServer[] = "DODER SERVER";
const char kServerListFile[] = "server.lst";

namespace {

// With the new text inserted behind the built-in server, a list of more than
// 10 entries loses the one at index 11, so a written history holds the new
// text and at most nine earlier ones.
constexpr int kMostEntriesKept = 10;
constexpr int kIndexCut = 11;

std::vector<std::string> Entries(const ServerBox& box) {
    std::vector<std::string> entries;
    for (int i = 0; i < box.Count(); ++i) entries.push_back(box.Entry(i));
    return entries;
}

void Fill(ServerBox& box, const std::vector<std::string>& entries, const std::string& text) {
    box.Clear();
    for (const std::string& entry : entries) box.Insert(box.Count(), entry);
    box.SetText(text);
}

void AddToHistory(ServerBox& box, Files& files, const std::string& text) {
    const std::vector<std::string> before = Entries(box);
    box.Insert(1, text);
    if (box.Count() > kMostEntriesKept) box.Remove(kIndexCut);
    box.Remove(0);
    try {
        files.ReplaceAll(kServerListFile, FormatServerList(Entries(box)));
    } catch (const Failure&) {
        Fill(box, before, text);
        throw;
    }
}

}  // namespace

void LoadServerList(ServerBox& box, Files& files) {
    box.Clear();
    if (files.FileExists(kServerListFile)) {
        for (const std::string& entry : ParseServerList(files.ReadAll(kServerListFile)))
            box.Insert(box.Count(), entry);
    }
    box.Insert(0, kBuiltInServer);
    box.Select(0);
}

bool RecordServerChoice(ServerBox& box, Files& files) {
    const std::string text = box.Text();
    const int position = FindServer(box, text);
    if (position == -1) AddToHistory(box, files, text);
    return position != 0;
}

int FindServer(const ServerBox& box, const std::string& text) {
    if (text.empty()) return -1;
    for (int i = 0; i < box.Count(); ++i)
        if (EqualIgnoringAsciiCase(box.Entry(i), text)) return i;
    return -1;
}

}  // namespace zrk
