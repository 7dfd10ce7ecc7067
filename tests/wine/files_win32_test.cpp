#include "platform/win/files_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win/system_error.h"
#include "tests/support/failure_text.h"

namespace zrk {
namespace {

// A fresh folder under the system's temporary folder, made the current
// directory so that relative names resolve into it.
class FilesWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        folder = std::string(temp) + "zrk-files-" + std::to_string(GetCurrentProcessId()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, oldDirectory), 0u);
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    }

    void TearDown() override {
        SetCurrentDirectoryA(oldDirectory);
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::string path = folder + "\\" + entry.cFileName;
                if (!DeleteFileA(path.c_str())) {
                    RemoveDirectoryA(path.c_str());
                }
            } while (FindNextFileA(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
    }

    // Names in the folder other than "." and "..".
    std::string Listing() {
        std::string names;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..") {
                names += name + ";";
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return names;
    }

    void Put(const std::string& name, const std::string& bytes) {
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        EXPECT_EQ(written, bytes.size());
        CloseHandle(file);
    }

    HANDLE Hold(const std::string& name, DWORD access, DWORD share) {
        return CreateFileA(name.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    }

    std::string Prefix(const char* what) { return std::string(what) + " \"" + folder + "\\server.lst\". "; }

    std::string folder;
    char oldDirectory[MAX_PATH] = {};
    Win32Files files;
};

const std::string kBytes("line one\r\nzero \0 here\r\n\xC4\xE3\n", 25);

TEST_F(FilesWin32Test, FileExistsOnlyForFiles) {
    Put("server.lst", "x");
    ASSERT_TRUE(CreateDirectoryA("folder", nullptr));
    EXPECT_TRUE(files.FileExists("server.lst"));
    EXPECT_TRUE(files.FileExists(folder + "\\server.lst"));
    EXPECT_FALSE(files.FileExists("folder"));
    EXPECT_FALSE(files.FileExists("missing.lst"));
}

TEST_F(FilesWin32Test, ReadAllGivesEveryByte) {
    Put("server.lst", kBytes);
    EXPECT_EQ(files.ReadAll("server.lst"), kBytes);
    Put("empty.lst", "");
    EXPECT_EQ(files.ReadAll("empty.lst"), "");
}

TEST_F(FilesWin32Test, ReadAllReadsALargeFileWhole) {
    std::string big(3 * 1024 * 1024 + 7, 'a');
    big[2 * 1024 * 1024] = 'b';
    Put("server.lst", big);
    std::string read = files.ReadAll("server.lst");
    EXPECT_EQ(read.size(), big.size());
    EXPECT_TRUE(read == big);
}

TEST_F(FilesWin32Test, ReadAllOfAMissingFileNamesItsFullPath) {
    EXPECT_EQ(FailureText([&] { files.ReadAll("server.lst"); }),
              Prefix("Cannot open file") + SystemErrorText(ERROR_FILE_NOT_FOUND));
}

TEST_F(FilesWin32Test, ReadAllRefusesAFileHeldOpenForWriting) {
    Put("server.lst", "old");
    HANDLE writer = Hold("server.lst", GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FailureText([&] { files.ReadAll("server.lst"); }),
              Prefix("Cannot open file") + SystemErrorText(ERROR_SHARING_VIOLATION));
    CloseHandle(writer);
    // Another reader does not stand in the way.
    HANDLE reader = Hold("server.lst", GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.ReadAll("server.lst"), "old");
    CloseHandle(reader);
}

TEST_F(FilesWin32Test, ReplaceAllWritesExactBytesAndLeavesNoTemporary) {
    files.ReplaceAll("server.lst", kBytes);
    EXPECT_EQ(files.ReadAll("server.lst"), kBytes);
    files.ReplaceAll("server.lst", "short");
    EXPECT_EQ(files.ReadAll("server.lst"), "short");
    files.ReplaceAll("server.lst", "");
    EXPECT_EQ(files.ReadAll("server.lst"), "");
    EXPECT_EQ(Listing(), "server.lst;");
}

TEST_F(FilesWin32Test, ReplaceAllOntoAFolderFailsAndLeavesIt) {
    ASSERT_TRUE(CreateDirectoryA("server.lst", nullptr));
    std::string failure = FailureText([&] { files.ReplaceAll("server.lst", "new"); });
    EXPECT_EQ(failure.substr(0, Prefix("Cannot create file").size()), Prefix("Cannot create file"));
    EXPECT_GT(failure.size(), Prefix("Cannot create file").size());
    DWORD attributes = GetFileAttributesA("server.lst");
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(Listing(), "server.lst;");
}

TEST_F(FilesWin32Test, ReplaceAllOfAFileHeldOpenKeepsTheOldBytes) {
    Put("server.lst", kBytes);
    HANDLE holder = Hold("server.lst", GENERIC_READ, 0);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::string failure = FailureText([&] { files.ReplaceAll("server.lst", "new"); });
    CloseHandle(holder);
    EXPECT_EQ(failure.substr(0, Prefix("Cannot create file").size()), Prefix("Cannot create file"));
    EXPECT_EQ(files.ReadAll("server.lst"), kBytes);
    EXPECT_EQ(Listing(), "server.lst;");
}

}  // namespace
}  // namespace zrk
