// The resources of the built launcher, read back from the executable: the
// manifest, the version information and the icon.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/win/driver.h"

namespace zrk {
namespace {

const WORD kManifestType = 24;  // RT_MANIFEST
const WORD kIconType = 3;       // RT_ICON
const WORD kIconGroupType = 14; // RT_GROUP_ICON
const WORD kVersionType = 16;   // RT_VERSION

// The launcher mapped as data: its resources readable, no code run.
class LauncherResources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExA(test::BuildPath("app/zrklauncher.exe").c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override {
        if (module)
            FreeLibrary(module);
    }

    // A resource's bytes; empty when there is none.
    std::string Bytes(WORD type, WORD id) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        if (!found)
            return std::string();
        HGLOBAL loaded = LoadResource(module, found);
        const char* data = static_cast<const char*>(LockResource(loaded));
        return std::string(data, SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

TEST_F(LauncherResources, ManifestAsksForVisualStylesNoElevationTheSupportedSystemsAndDpiAwareness) {
    std::string manifest = Bytes(kManifestType, 1);
    ASSERT_FALSE(manifest.empty()) << "no manifest resource 1";
    const char* required[] = {
        "name=\"Microsoft.Windows.Common-Controls\"",
        "version=\"6.0.0.0\"",
        "publicKeyToken=\"6595b64144ccf1df\"",
        "level=\"asInvoker\"",
        "uiAccess=\"false\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        ">true/pm</dpiAware>",
        "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
        "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
    };
    for (const char* text : required)
        EXPECT_NE(manifest.find(text), std::string::npos) << text;
}

// The project version, from the top-level CMakeLists.txt.
std::string ProjectVersion() {
    std::ifstream in(std::string(ZRK_SOURCE_DIR) + "/CMakeLists.txt");
    std::stringstream text;
    text << in.rdbuf();
    std::smatch match;
    std::string all = text.str();
    if (!std::regex_search(all, match, std::regex(R"(project\(\s*zrklauncher\s+VERSION\s+(\d+\.\d+\.\d+))")))
        return std::string();
    return match[1];
}

// Reads the version resource through version.dll, looked up at run time.
class VersionInfo {
public:
    explicit VersionInfo(const std::string& path) {
        library_ = LoadLibraryA("version.dll");
        using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
        using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
        auto size = Function<SizeFn>("GetFileVersionInfoSizeA");
        auto info = Function<InfoFn>("GetFileVersionInfoA");
        query_ = Function<QueryFn>("VerQueryValueA");
        if (!size || !info || !query_)
            return;
        DWORD handle = 0;
        data_.resize(size(path.c_str(), &handle));
        if (data_.empty() || !info(path.c_str(), 0, static_cast<DWORD>(data_.size()), &data_[0]))
            data_.clear();
    }
    ~VersionInfo() {
        if (library_)
            FreeLibrary(library_);
    }
    bool Loaded() const { return !data_.empty(); }

    std::string String(const std::string& name) {
        std::string path = "\\StringFileInfo\\040904B0\\" + name;
        char* text = nullptr;
        UINT length = 0;
        if (!query_(&data_[0], path.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
            return "(missing)";
        return std::string(text);
    }

    // "major.minor.patch.build" of the fixed part.
    std::string Fixed(bool product) {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (!query_(&data_[0], "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
            return "(missing)";
        DWORD ms = product ? fixed->dwProductVersionMS : fixed->dwFileVersionMS;
        DWORD ls = product ? fixed->dwProductVersionLS : fixed->dwFileVersionLS;
        return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." + std::to_string(HIWORD(ls)) +
               "." + std::to_string(LOWORD(ls));
    }

private:
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    template <class F>
    F Function(const char* name) {
        return library_ ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library_, name)))
                        : nullptr;
    }
    HMODULE library_ = nullptr;
    QueryFn query_ = nullptr;
    std::string data_;
};

TEST_F(LauncherResources, VersionInformationNamesTheProductAndCarriesTheProjectVersion) {
    ASSERT_FALSE(Bytes(kVersionType, 1).empty()) << "no version resource";
    std::string version = ProjectVersion();
    ASSERT_FALSE(version.empty());
    VersionInfo info(test::BuildPath("app/zrklauncher.exe"));
    ASSERT_TRUE(info.Loaded());
    EXPECT_EQ(info.String("ProductName"), "Zarkenfall Launcher");
    EXPECT_EQ(info.String("CompanyName"), "Brelvik");
    EXPECT_EQ(info.String("FileDescription"), "Zarkenfall game launcher");
    EXPECT_EQ(info.String("OriginalFilename"), "zrklauncher.exe");
    EXPECT_EQ(info.String("FileVersion"), version);
    EXPECT_EQ(info.String("ProductVersion"), version);
    EXPECT_EQ(info.Fixed(false), version + ".0");
    EXPECT_EQ(info.Fixed(true), version + ".0");
}

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colors;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(LauncherResources, IconComesIn16And32And48PixelsEachPresentAtItsSize) {
    std::string group = Bytes(kIconGroupType, 1);
    ASSERT_GE(group.size(), sizeof(IconGroupHeader));
    const auto* header = reinterpret_cast<const IconGroupHeader*>(group.data());
    ASSERT_EQ(group.size(), sizeof(IconGroupHeader) + header->count * sizeof(IconGroupEntry));
    std::set<int> sizes;
    for (int i = 0; i < header->count; ++i) {
        const auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + sizeof(IconGroupHeader)) + i;
        SCOPED_TRACE("icon of " + std::to_string(entry->width) + " pixels");
        EXPECT_EQ(entry->width, entry->height);
        sizes.insert(entry->width);
        // The image itself: a bitmap header (twice as high: colour and mask)
        // or a PNG stream.
        std::string image = Bytes(kIconType, entry->id);
        ASSERT_EQ(image.size(), entry->bytes);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        if (image.compare(0, 4, "\x89PNG") == 0)
            continue;
        const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
        EXPECT_EQ(bitmap->biWidth, entry->width);
        EXPECT_EQ(bitmap->biHeight, 2 * entry->height);
        EXPECT_EQ(bitmap->biBitCount, entry->bitCount);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

}  // namespace
}  // namespace zrk
