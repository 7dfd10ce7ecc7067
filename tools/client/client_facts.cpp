#include "tools/client/client_facts.h"

#include <windows.h>

#include <cstring>

#include "launch/patch_plan.h"
#include "tools/client/entry_snapshot.h"

namespace zrk {
namespace {

const char kConfigurationKey[] = "Software\\Brelvik\\ZRKV2";
const char* const kFlagNames[] = {"CTRLFLAG0", "CTRLFLAG1", "CTRLFLAG6"};

std::string Hex(const unsigned char* bytes, size_t length) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < length; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0x0F];
    }
    return hex;
}

std::string Hex(const std::string& bytes) {
    return Hex(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::string ExeName() {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const char* name = std::strrchr(path, '\\');
    return name ? name + 1 : path;
}

StartupWindow StartupWindowOfProcess() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    StartupWindow window;
    window.title = startup.lpTitle ? startup.lpTitle : "";
    window.x = static_cast<int32_t>(startup.dwX);
    window.y = static_cast<int32_t>(startup.dwY);
    window.width = static_cast<int32_t>(startup.dwXSize);
    window.height = static_cast<int32_t>(startup.dwYSize);
    window.flags = startup.dwFlags;
    return window;
}

bool HoldsPatch(const BytesAtEntry& entry, const PatchEntry& patch) {
    return entry.mapped && entry.length == patch.length &&
           std::memcmp(entry.bytes, kPatchSource + patch.sourceOffset, patch.length) == 0;
}

bool IsUntouched(const BytesAtEntry& entry) {
    if (!entry.mapped) return false;
    for (uint32_t i = 0; i < entry.length; ++i) {
        if (entry.bytes[i] != 0) return false;
    }
    return true;
}

std::string PatchesAtEntry(const EntrySnapshot& snapshot) {
    bool all = true;
    bool none = true;
    for (size_t row = 0; row < kPatchRows; ++row) {
        all = all && HoldsPatch(snapshot.patches[row], kWindowedPatchTable[row]);
        none = none && IsUntouched(snapshot.patches[row]);
    }
    return all ? "all" : none ? "none" : "partial";
}

std::string HostBytes(const EntrySnapshot& snapshot) {
    const auto* text = reinterpret_cast<const char*>(snapshot.host);
    const void* nul = std::memchr(text, '\0', kHostFieldSnapshotSize);
    const size_t length = nul ? static_cast<const char*>(nul) - text + 1 : kHostFieldSnapshotSize;
    return std::string(text, length);
}

// The value's type, or REG_NONE when the key or the value is absent.
DWORD ValueType(HKEY key, const char* name, DWORD* size) {
    DWORD type = REG_NONE;
    if (!key || RegQueryValueExA(key, name, nullptr, &type, nullptr, size) != ERROR_SUCCESS) {
        return REG_NONE;
    }
    return type;
}

std::string Unreadable(DWORD type) {
    return type == REG_NONE ? "missing" : "type" + std::to_string(type);
}

std::string ReadFlag(HKEY key, const char* name) {
    DWORD size = 0;
    const DWORD type = ValueType(key, name, &size);
    DWORD value = 0;
    if (type != REG_DWORD || size != sizeof value) return Unreadable(type);
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return std::to_string(static_cast<int32_t>(value));
}

std::string ReadText(HKEY key, const char* name) {
    DWORD size = 0;
    const DWORD type = ValueType(key, name, &size);
    if (type != REG_SZ) return Unreadable(type);
    std::string text(size, '\0');
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size);
    return text.substr(0, text.find('\0'));
}

std::vector<std::pair<std::string, std::string>> ReadConfiguration() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kConfigurationKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        key = nullptr;
    }
    std::vector<std::pair<std::string, std::string>> values;
    for (const char* name : kFlagNames) values.emplace_back(name, ReadFlag(key, name));
    values.emplace_back("SERVER", ReadText(key, "SERVER"));
    if (key) RegCloseKey(key);
    return values;
}

std::string Line(const std::string& key, const std::string& value) { return key + "=" + value + "\n"; }

std::wstring PatchCell(size_t row, const std::string& hex) {
    wchar_t head[32];
    wsprintfW(head, L"%2u %08x ", static_cast<unsigned>(row + 1),
              static_cast<unsigned>(kWindowedPatchTable[row].address));
    std::wstring cell = head + Widen(hex);
    cell.resize(34, L' ');
    return cell;
}

std::vector<TextLine> DescribePatches(const ClientFacts& facts) {
    std::vector<TextLine> lines;
    const char* summary = facts.patchesAtEntry == "all"    ? "all 12 rows hold the patch bytes"
                          : facts.patchesAtEntry == "none" ? "none: every row is untouched (zero)"
                                                           : "partial: some rows differ";
    lines.push_back({L"  Windowed-mode patches  " + Widen(summary)});
    for (size_t row = 0; row < facts.patches.size(); row += 3) {
        std::wstring text = L"   ";
        for (size_t cell = row; cell < row + 3 && cell < facts.patches.size(); ++cell) {
            text += PatchCell(cell, facts.patches[cell]);
        }
        lines.push_back({text});
    }
    return lines;
}

std::wstring DescribeHost(const ClientFacts& facts) {
    const std::wstring head = L"  Host name field 0069cb64  ";
    if (!facts.hostMapped) return head + L"unmapped";
    if (facts.host.back() != '\0') return head + L"no NUL within 4096 bytes";
    if (facts.host.size() == 1) return head + L"empty";
    return head + L"\"" + Widen(facts.host.substr(0, facts.host.size() - 1)) + L"\"";
}

std::wstring DescribeWindow(const StartupWindow& window) {
    wchar_t text[160];
    wsprintfW(text, L"  Window             x %d  y %d  %d x %d  (flags %u%s%s)", window.x, window.y,
              window.width, window.height, window.flags,
              window.flags & STARTF_USEPOSITION ? L": position" : L"",
              window.flags & STARTF_USESIZE ? L", size" : L"");
    return text;
}

std::vector<TextLine> DescribeConfiguration(const ClientFacts& facts) {
    std::vector<TextLine> lines = {{L"Configuration key HKCU\\" + Widen(kConfigurationKey), true}};
    for (const auto& value : facts.configuration) {
        std::wstring name = L"  " + Widen(value.first);
        name.resize(21, L' ');
        lines.push_back({name + Widen(value.second)});
    }
    return lines;
}

void Append(std::vector<TextLine>& lines, const std::vector<TextLine>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

ClientFacts GatherClientFacts() {
    const EntrySnapshot& snapshot = SnapshotAtEntry();
    ClientFacts facts;
    facts.exe = ExeName();
    facts.pid = GetCurrentProcessId();
    facts.commandLine = GetCommandLineA();
    facts.directory = CurrentDirectory();
    facts.window = StartupWindowOfProcess();
    for (const BytesAtEntry& entry : snapshot.patches) {
        facts.patches.push_back(entry.mapped ? Hex(entry.bytes, entry.length) : "unmapped");
    }
    facts.hostMapped = snapshot.hostMapped;
    facts.host = snapshot.hostMapped ? HostBytes(snapshot) : std::string();
    facts.patchesAtEntry = PatchesAtEntry(snapshot);
    facts.configuration = ReadConfiguration();
    return facts;
}

std::string FormatRecord(const ClientFacts& facts) {
    std::string record = Line("exe", facts.exe) + Line("pid", std::to_string(facts.pid)) +
                         Line("cmdline", facts.commandLine) + Line("cwd", facts.directory) +
                         Line("title", facts.window.title) +
                         Line("x", std::to_string(facts.window.x)) +
                         Line("y", std::to_string(facts.window.y)) +
                         Line("width", std::to_string(facts.window.width)) +
                         Line("height", std::to_string(facts.window.height)) +
                         Line("flags", std::to_string(facts.window.flags));
    for (size_t row = 0; row < facts.patches.size(); ++row) {
        record += Line("patch" + std::to_string(row + 1), facts.patches[row]);
    }
    record += Line("host", facts.hostMapped ? Hex(facts.host) : "unmapped");
    record += Line("patches_at_entry", facts.patchesAtEntry);
    for (const auto& value : facts.configuration) record += Line(value.first, value.second);
    return record + Line("end", "1");
}

std::vector<TextLine> DescribeFacts(const ClientFacts& facts) {
    std::vector<TextLine> lines = {
        {L"Zarkenfall Online client (stand-in)", true},
        {L"  " + Widen(facts.exe) + L", process " + std::to_wstring(facts.pid) +
         L"; these facts are also in zrk_record.txt"},
        {L""},
        {L"Started by the launcher", true},
        {L"  Command line       " + Widen(facts.commandLine)},
        {L"  Working directory  " + Widen(facts.directory)},
        {L"  Window title       " + Widen(facts.window.title)},
        {DescribeWindow(facts.window)},
        {L""},
        {L"Memory at the client's first instruction", true},
    };
    Append(lines, DescribePatches(facts));
    lines.push_back({DescribeHost(facts)});
    lines.push_back({L""});
    Append(lines, DescribeConfiguration(facts));
    return lines;
}

}  // namespace zrk
