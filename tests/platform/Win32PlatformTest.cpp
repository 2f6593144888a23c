#include <gtest/gtest.h>
#include <windows.h>
// windows.h makes DeleteFile a macro for DeleteFileW; the tests call the program's own.
#undef DeleteFile

#include <algorithm>

#include "platform/FileAttributes.h"
#include "platform/FileDetails.h"
#include "platform/FileWriting.h"
#include "platform/FolderNames.h"
#include "platform/PathNames.h"
#include "platform/Trash.h"
#include "platform/win32/Win32FolderSource.h"
#include "platform/win32/Win32Names.h"
#include "platform/win32/Win32VolumeQuery.h"
#include "platform/win32/WindowsShell.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

TEST(Win32VolumeQuery, AsksTheDriveRootAndNothingElse) {
    const Win32VolumeQuery query;
    const auto space = query.Space("C:\\some\\folder\\");
    ASSERT_TRUE(space);
    EXPECT_GE(space->ClusterSize, 512u);
    EXPECT_GT(space->FreeBytes, 0u);
    EXPECT_TRUE(query.Capabilities("c:\\"));
    const auto root = query.Location("c:\\");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->MountPoint, "c:\\");
    EXPECT_TRUE(root->PathIsMountPoint);
    EXPECT_FALSE(query.Location("C:\\folder\\")->PathIsMountPoint);

    EXPECT_FALSE(query.Space("\\\\server\\share\\")) << "a network path has no volume data";
    EXPECT_FALSE(query.Location("relative\\"));
    EXPECT_FALSE(DriveRoot("C:"));
}

// test-windows.sh makes N: a network drive of its Wine prefix; elsewhere there may be none.
TEST(Win32VolumeQuery, ANetworkDriveHasClusterSizeOne) {
    if (GetDriveTypeW(L"N:\\") != DRIVE_REMOTE) GTEST_SKIP() << "no network drive N:";
    const auto space = Win32VolumeQuery().Space("N:\\folder\\");
    ASSERT_TRUE(space);
    EXPECT_EQ(space->ClusterSize, 1u);
}

TEST(Win32PathNames, MakesFullFolderPathsAndSaysWhyOneCannotBeRead) {
    test::TempTree tree;
    const std::string file = tree.File("f.txt", 3);
    tree.Folder("a/b");
    EXPECT_EQ(AbsoluteFolderPath(tree.Path("a/b/../b/.\\")), tree.Path("a/b"));
    EXPECT_EQ(AbsoluteFolderPath("C:\\"), "C:\\");
    EXPECT_EQ(AbsoluteFolderPath("C:\\windows\\.."), "C:\\");
    EXPECT_EQ(FolderAccessError(tree.Path("a")), "");
    EXPECT_EQ(FolderAccessError(file), "Not a folder");
    EXPECT_NE(FolderAccessError(tree.Path("missing")), "");
}

TEST(Win32FileWriting, ReplacesTheFileInOneStepAndLeavesWhatItMayNotWrite) {
    test::TempTree tree;
    const std::string path = tree.Path("listing.txt");
    ASSERT_EQ(WriteWholeFile(path, "first\r\n").Outcome, WriteOutcome::Written);
    ASSERT_EQ(WriteWholeFile(path, "second\r\n").Outcome, WriteOutcome::Written);
    EXPECT_EQ(test::FileContent(path), "second\r\n");

    const std::string locked = tree.File("locked.txt", 4);
    SetFileAttributesW(WideFromWtf8(locked).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteWholeFile(locked, "x").Outcome, WriteOutcome::CannotCreate);
    EXPECT_EQ(test::FileContent(locked), "qqqq");
    SetFileAttributesW(WideFromWtf8(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(WriteWholeFile(tree.Folder("dir"), "x").Outcome, WriteOutcome::CannotCreate);

    WIN32_FIND_DATAW data;
    const HANDLE search =
        FindFirstFileW((WideFromWtf8(tree.Root()) + L"\\.quillet*").c_str(), &data);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// 2001-09-09 01:46:40 UTC, as seconds since 1970 and as a FILETIME.
constexpr std::int64_t kBillionSeconds = 1'000'000'000;
constexpr FILETIME kBillionSecondsTime = {0x44FF8000, 0x01C138D1};

TEST(Win32FileDetails, ReportTheEntryAsStoredWithItsShortNameTypeAndTimes) {
    test::TempTree tree;
    const std::string file = tree.File("A long file name.text", 5000);
    const std::wstring wide = WideFromWtf8(file);
    const HANDLE handle =
        CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    SetFileTime(handle, &kBillionSecondsTime, nullptr, &kBillionSecondsTime);
    CloseHandle(handle);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    // Asked in another case, the name comes back as the folder stores it.
    const auto details = ReadFileDetails(tree.Path("a LONG file NAME.text"));
    ASSERT_TRUE(details);
    EXPECT_EQ(details->Name, "A long file name.text");
    EXPECT_FALSE(details->IsFolder);
    EXPECT_EQ(details->Size, 5000u);
    EXPECT_EQ(details->OnDiskSize, 5000u) << "only compressed and sparse files are asked";
    EXPECT_EQ(details->Attributes & (kAttributeReadOnly | kAttributeHidden | kAttributeDirectory),
              kAttributeReadOnly | kAttributeHidden);
    EXPECT_EQ(details->Created, kBillionSeconds);
    EXPECT_EQ(details->Modified, kBillionSeconds);
    EXPECT_TRUE(details->Accessed);
    EXPECT_FALSE(details->ShortName.empty()) << "a long name has an 8.3 name beside it";
    EXPECT_LE(details->ShortName.size(), 12u);
    EXPECT_NE(details->TypeName, "");
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);

    const auto folder = ReadFileDetails(tree.Folder("sub") + "\\");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->Name, "sub");
    EXPECT_TRUE(folder->IsFolder);
    EXPECT_TRUE(folder->Attributes & kAttributeDirectory);
    EXPECT_EQ(folder->ShortName, "") << "a valid 8.3 name has no other";
    EXPECT_NE(folder->TypeName, "");
    EXPECT_NE(folder->TypeName, details->TypeName);
    const auto root = ReadFileDetails("C:\\");
    ASSERT_TRUE(root) << "a drive root is found by its attributes";
    EXPECT_TRUE(root->IsFolder);

    EXPECT_TRUE(IsExistingFile(file));
    EXPECT_FALSE(IsExistingFolder(file));
    EXPECT_TRUE(IsExistingFolder(tree.Path("sub/")));
    EXPECT_FALSE(IsExistingFile(tree.Path("sub")));
    EXPECT_FALSE(ReadFileDetails(tree.Path("missing")));
    EXPECT_FALSE(ReadFileDetails(tree.Path("*.text"))) << "a pattern names no entry";
    EXPECT_FALSE(IsExistingFile(tree.Path("missing")) || IsExistingFolder(tree.Path("missing")));
    EXPECT_EQ(PathRefusal(file), "");
    EXPECT_EQ(PathRefusal(tree.Path("missing/deeper")), "") << "nothing there is no refusal";
    EXPECT_NE(PathRefusal(tree.Path("no<name")), "") << "a name no file can have";
}

TEST(Win32FileDetails, DeleteAFileAndRemoveAFolderOnlyOnceEmpty) {
    test::TempTree tree;
    const std::string folder = tree.Folder("full");
    tree.Folder("full/a folder first");
    const std::string file = tree.File("full/z.txt", 3);
    EXPECT_EQ(FirstFileIn(folder + "\\"), "z.txt") << "folders are passed over";
    EXPECT_EQ(FirstFileIn(tree.Path("full/a folder first")), "");

    RemoveEmptyFolder(folder + "\\");
    EXPECT_TRUE(IsExistingFolder(folder)) << "a folder with entries stays";
    DeleteFile(file);
    RemoveEmptyFolder(tree.Path("full/a folder first"));
    EXPECT_FALSE(IsExistingFile(file));
    RemoveEmptyFolder(folder + "\\");
    EXPECT_FALSE(IsExistingFolder(folder));
}

TEST(Win32FolderNames, ListNamesBeyondTheBasicPlaneAsWtf8) {
    test::TempTree tree;
    tree.File("smile\xF0\x9F\x98\x80.txt", 1);
    tree.Folder("dir");
    const auto entries = ReadFolderNames(tree.Root());
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    const auto named = [&](const std::string& name) {
        return std::find_if(entries->begin(), entries->end(),
                            [&](const NamedEntry& entry) { return entry.Name == name; });
    };
    ASSERT_NE(named("smile\xF0\x9F\x98\x80.txt"), entries->end());
    EXPECT_FALSE(named("smile\xF0\x9F\x98\x80.txt")->IsFolder);
    ASSERT_NE(named("dir"), entries->end());
    EXPECT_TRUE(named("dir")->IsFolder);
    EXPECT_TRUE(LeadsToFolder(tree.Path("dir")));
    EXPECT_FALSE(LeadsToFolder(tree.Path("smile\xF0\x9F\x98\x80.txt")));
    EXPECT_FALSE(LeadsToFolder(tree.Path("missing")));
    EXPECT_FALSE(ReadFolderNames(tree.Path("missing")));

    const std::string lone = "lone\xED\xA0\x80x";
    const HANDLE file = CreateFileW(WideFromWtf8(tree.Path(lone)).c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        GTEST_SKIP() << "this system refuses an unpaired surrogate in a name (Wine)";
    CloseHandle(file);
    const auto again = ReadFolderNames(tree.Root() + "\\");
    ASSERT_TRUE(again);
    if (std::none_of(again->begin(), again->end(),
                     [&](const NamedEntry& entry) { return entry.Name == lone; }))
        GTEST_SKIP() << "this system does not keep an unpaired surrogate in a name (Wine)";
    EXPECT_EQ(again->size(), 3u);
}

// Names another system makes (WSL, Samba, a backup) that Windows programs cannot: a name that
// ends in a dot or a blank is an entry of its own, never the one without them, and one that
// holds a character no Windows name may hold is refused with that reason.
TEST(Win32Names, NamesOtherSystemsMakeAreReachedAsStoredOrRefusedWithTheReason) {
    test::TempTree tree;
    const std::string folder = tree.Folder("dirdot.");
    const std::string inside = tree.File("dirdot./inside.txt", 7);
    const std::string dot = tree.File("trail.", 3);
    const std::string blank = tree.File("trail ", 4);
    const std::string plain = tree.File("trail", 5);

    FolderEntry entry;
    {
        const auto listed = Win32FolderSource().OpenRoot(folder + "\\");
        ASSERT_NE(listed, nullptr);
        ASSERT_TRUE(listed->Next(entry)) << "the folder itself is read, not one named \"dirdot\"";
        EXPECT_EQ(entry.Name, "inside.txt");
    }
    ASSERT_TRUE(ReadFileDetails(dot));
    EXPECT_EQ(ReadFileDetails(dot)->Name, "trail.");
    EXPECT_EQ(ReadFileDetails(dot)->Size, 3u);
    ASSERT_TRUE(ReadFileDetails(blank));
    EXPECT_EQ(ReadFileDetails(blank)->Size, 4u);
    EXPECT_TRUE(IsExistingFolder(folder + "\\"));
    EXPECT_EQ(PathRefusal(dot), "");
    const std::string unreachable =
        "the Windows shell cannot reach a name that ends in a dot or a blank";
    EXPECT_EQ(MoveToTrash(dot), unreachable);
    EXPECT_EQ(OpenWithAssociatedProgram(blank), unreachable);
    EXPECT_EQ(ShowInExplorer(inside), unreachable);
    DeleteFile(dot);
    DeleteFile(blank);
    EXPECT_FALSE(IsExistingFile(dot) || IsExistingFile(blank));
    ASSERT_TRUE(ReadFileDetails(plain)) << "the name without the dot is left alone";
    EXPECT_EQ(ReadFileDetails(plain)->Size, 5u);
    DeleteFile(inside);
    RemoveEmptyFolder(folder + "\\");
    EXPECT_FALSE(IsExistingFolder(folder));

    // Wine makes a name with "?" through its own path to the host's files.
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) GTEST_SKIP() << "not under Wine: no way to make a name with \"?\"";
    char* unixRoot = unixName(WideFromWtf8(tree.Root()).c_str());
    ASSERT_NE(unixRoot, nullptr);
    std::wstring host = L"\\\\?\\unix" + WideFromWtf8(unixRoot);
    HeapFree(GetProcessHeap(), 0, unixRoot);
    std::replace(host.begin(), host.end(), L'/', L'\\');
    const HANDLE made =
        CreateFileW((host + L"\\what?").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(made, INVALID_HANDLE_VALUE);
    CloseHandle(made);
    ASSERT_TRUE(CreateDirectoryW((host + L"\\dir?").c_str(), nullptr));

    const std::string wild = tree.Path("what?");
    const std::string forbidden =
        "a name in its path holds one of < > : \" | ? *, which no Windows name may hold";
    EXPECT_EQ(PathRefusal(wild), forbidden);
    EXPECT_EQ(MoveToTrash(wild), forbidden);
    EXPECT_EQ(OpenWithAssociatedProgram(wild), forbidden);
    const auto top = Win32FolderSource().OpenRoot(tree.Root() + "\\");
    ASSERT_NE(top, nullptr);
    std::vector<std::string> names;
    while (top->Next(entry)) {
        names.emplace_back(entry.Name);
        if (entry.Name != "dir?") continue;
        EXPECT_EQ(top->OpenChild(tree.Path("dir?") + "\\"), nullptr);
        EXPECT_EQ(top->OpenFailure().Code, ERROR_INVALID_NAME) << "the scan says why";
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dir?", "trail", "what?"}));
    DeleteFileW((host + L"\\what?").c_str());
    RemoveDirectoryW((host + L"\\dir?").c_str());
}

TEST(Win32Trash, MovesAFileAndAFolderToTheRecycleBin) {
    test::TempTree tree;
    // Under Wine the Recycle Bin is the freedesktop.org trash under XDG_DATA_HOME, which the
    // test points into its own tree. On Windows itself the test would fill the user's bin.
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) GTEST_SKIP() << "not under Wine: the test leaves the user's Recycle Bin alone";
    char* data = unixName(WideFromWtf8(tree.Folder("data")).c_str());
    ASSERT_NE(data, nullptr);
    SetEnvironmentVariableA("XDG_DATA_HOME", data);
    HeapFree(GetProcessHeap(), 0, data);

    const std::string file = tree.File("gone.txt", 10);
    const std::string folder = tree.Folder("gone folder");
    tree.File("gone folder/inside.txt", 10);
    const std::string moved = MoveToTrash(file);
    if (moved != "" && !IsExistingFolder(tree.Path("data/Trash")))
        GTEST_SKIP() << "this Wine has no trash: " << moved;
    EXPECT_EQ(moved, "");
    EXPECT_FALSE(IsExistingFile(file));
    EXPECT_TRUE(IsExistingFile(tree.Path("data/Trash/files/gone.txt")));
    EXPECT_EQ(MoveToTrash(folder + "\\"), "");
    EXPECT_FALSE(IsExistingFolder(folder));
    EXPECT_TRUE(IsExistingFile(tree.Path("data/Trash/files/gone folder/inside.txt")));

    const std::string missing = MoveToTrash(tree.Path("missing"));
    EXPECT_NE(missing, "");
    EXPECT_EQ(missing.find("missing"), std::string::npos) << "the words hold no path";
    const std::string deep = tree.File(std::string(120, 'd') + "/" + std::string(150, 'e'), 1);
    EXPECT_EQ(MoveToTrash(deep), "its path is too long for the Recycle Bin");
    EXPECT_TRUE(IsExistingFile(deep));
}

TEST(Win32Shell, ListsTheDriveRootsAndRefusesToOpenWhatIsNotThere) {
    const auto roots = RootFolders();
    EXPECT_NE(std::find(roots.begin(), roots.end(), "C:\\"), roots.end());
    for (const std::string& root : roots) {
        ASSERT_EQ(root.size(), 3u);
        EXPECT_EQ(root.substr(1), ":\\");
    }
    test::TempTree tree;
    EXPECT_NE(OpenWithAssociatedProgram(tree.Path("missing.txt")), "");
}

}  // namespace
}  // namespace quillet
