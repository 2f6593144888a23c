#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FileAttributes.h"
#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32Names.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

std::vector<FolderEntry> ReadAll(FolderHandle& folder, std::vector<std::string>& names) {
    std::vector<FolderEntry> entries;
    FolderEntry entry;
    while (folder.Next(entry)) {
        names.emplace_back(entry.Name);
        entries.push_back(entry);
    }
    return entries;
}

TEST(Win32Names, Utf16AndWtf8RoundTripEveryName) {
    const std::vector<std::wstring> names = {
        L"plain.txt",
        L"caf\u00E9",
        std::wstring{0xD83D, 0xDE00},      // U+1F600, a pair
        std::wstring{L'a', 0xD800, L'b'},  // a high surrogate alone
        std::wstring{0xDC00},              // a low surrogate alone
        std::wstring{L'x', 0xDBFF},        // a high surrogate at the end
        std::wstring{0xDC00, 0xD800},      // a pair in the wrong order
    };
    const std::vector<std::string> wtf8 = {"plain.txt",
                                           "caf\xC3\xA9",
                                           "\xF0\x9F\x98\x80",
                                           "a\xED\xA0\x80"
                                           "b",
                                           "\xED\xB0\x80",
                                           "x\xED\xAF\xBF",
                                           "\xED\xB0\x80\xED\xA0\x80"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Wtf8FromWide(names[i]), wtf8[i]);
        EXPECT_EQ(WideFromWtf8(wtf8[i]), names[i]);
    }
    EXPECT_EQ(WideFromWtf8("\xFF"
                           "a\xC0\xAF"),
              (std::wstring{0xFFFD, L'a', 0xFFFD, 0xFFFD}))
        << "bytes that begin no sequence, and overlong forms, are no name";
    EXPECT_EQ(Win32Path("C:\\short"), L"\\\\?\\C:\\short");
    EXPECT_EQ(Win32Path("C:/a/dirdot./"), L"\\\\?\\C:\\a\\dirdot.\\") << "names kept as they are";
    EXPECT_EQ(Win32Path("C:\\a\\..\\b"), L"\\\\?\\C:\\b") << "made full as the system reads it";
    EXPECT_EQ(Win32Path("\\\\?\\C:\\x."), L"\\\\?\\C:\\x.");
    EXPECT_EQ(Win32Path("C:\\" + std::string(300, 'n')), L"\\\\?\\C:\\" + std::wstring(300, L'n'));
    EXPECT_EQ(Win32Path("\\\\server\\share\\" + std::string(300, 'n')),
              L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'n'));
}

// Names that only UTF-16 can hold come back from the folder exactly as they were made. Wine
// keeps names as UTF-8 on the host's file system, where an unpaired surrogate has no place:
// there the test says so rather than passing.
TEST(Win32FolderSource, ListsNamesAttributesAndSizesAsTheSystemHoldsThem) {
    test::TempTree tree;
    tree.File("data.bin", 5000);
    tree.Folder("Sub");
    const std::wstring outsideBmp = std::wstring(L"smile") + wchar_t(0xD83D) + wchar_t(0xDE00);
    const std::wstring root = WideFromWtf8(tree.Root()) + L"\\";
    ASSERT_NE(CreateDirectoryW((root + outsideBmp).c_str(), nullptr), 0);
    const std::wstring hidden = root + L"hidden.txt";
    CloseHandle(CreateFileW(hidden.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(
        SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));

    Win32FolderSource source;
    auto folder = source.OpenRoot(tree.Root() + "\\");
    ASSERT_NE(folder, nullptr);
    std::vector<std::string> names;
    const auto entries = ReadAll(*folder, names);
    ASSERT_EQ(entries.size(), 4u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(names[i]);
        if (names[i] == "data.bin") {
            EXPECT_FALSE(entries[i].IsFolder);
            EXPECT_EQ(entries[i].Size, 5000u);
            EXPECT_EQ(entries[i].OnDiskSize, 5000u) << "only compressed and sparse files are asked";
        } else if (names[i] == "hidden.txt") {
            EXPECT_EQ(entries[i].Attributes & (kAttributeHidden | kAttributeReadOnly),
                      kAttributeHidden | kAttributeReadOnly);
        } else {
            EXPECT_TRUE(entries[i].IsFolder);
            EXPECT_TRUE(entries[i].Attributes & kAttributeDirectory);
            EXPECT_TRUE(names[i] == "Sub" || names[i] == "smile\xF0\x9F\x98\x80");
        }
    }
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::wstring lone = root + L"lone" + wchar_t(0xD800) + L"x";
    const HANDLE file =
        CreateFileW(lone.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) GTEST_SKIP() << "this system refuses unpaired surrogates";
    CloseHandle(file);
    folder = source.OpenRoot(tree.Root() + "\\");
    names.clear();
    ReadAll(*folder, names);
    const std::string expected = "lone\xED\xA0\x80x";
    if (std::find(names.begin(), names.end(), expected) == names.end())
        GTEST_SKIP() << "this system does not keep an unpaired surrogate in a name (Wine)";
    EXPECT_NE(source.OpenRoot(tree.Root() + "\\"), nullptr);
}

TEST(Win32FolderSource, SparseFilesReportTheirOnDiskSizeWhereTheSystemKeepsTheFlag) {
    test::TempTree tree;
    tree.SparseFile("holes.bin", 1 << 24);
    Win32FolderSource source;
    auto folder = source.OpenRoot(tree.Root() + "\\");
    ASSERT_NE(folder, nullptr);
    FolderEntry entry;
    ASSERT_TRUE(folder->Next(entry));
    EXPECT_EQ(entry.Size, 1u << 24);
    if (!(entry.Attributes & kAttributeSparse))
        GTEST_SKIP() << "this system does not report the sparse attribute (Wine)";
    EXPECT_LT(entry.OnDiskSize, entry.Size);
}

}  // namespace
}  // namespace quillet
