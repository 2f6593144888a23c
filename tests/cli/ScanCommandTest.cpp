#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "cli/ScanCommand.h"
#include "formats/NcduExport.h"
#include "platform/TerminalWidth.h"
#include "platform/linux/LinuxFolderSource.h"
#include "scan/ExclusionList.h"
#include "scan/ShownName.h"
#include "support/FakeFolderSource.h"
#include "support/FakeVolumeQuery.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

// Sizes are whole multiples of 64 KiB, so any cluster size up to that gives the same figures.
void MakeSampleTree(const test::TempTree& tree) {
    tree.File("Big/a.bin", 1572864);
    tree.File("Big/b.bin", 524288);
    tree.File("notes.txt", 65536);
    tree.File("README.md", 131072);
    tree.File("My Docs/letter.odt", 196608);
    tree.Folder("Empty");
}

struct Result {
    int Status;
    std::string Out;
    std::string Err;
};

Result RunCommand(const std::vector<std::string>& args, const VolumeQuery& volume,
                  const std::string& excludes = "") {
    LinuxFolderSource folders;
    TFolderList root(".");
    std::ostringstream out, err;
    const int status = RunScanCommand(args, out, err, {folders, volume, excludes, root});
    return {status, out.str(), err.str()};
}

TEST(ScanCommand, PrintsTheRootRowsLargestFirstInTheChosenUnitAndMode) {
    test::TempTree tree;
    MakeSampleTree(tree);
    tree.File("tiny", 1);
    const test::FakeVolumeQuery volume = test::UsbVolume(false);
    Result r = RunCommand({"--units", "kB", tree.Root()}, volume);
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out,
              "2048.0   /big\n192.0   /my docs\n128.0   readme.md\n64.0   notes.txt\n"
              "4.0   tiny\n0.0   /empty\n");

    r = RunCommand({"--units=count", "--mode=slack", tree.Root()}, volume);
    EXPECT_EQ(r.Out.substr(0, 9), "2   /big\n");

    r = RunCommand({"--mode", "slack", "--units", "bytes", tree.Root() + "/"}, volume);
    EXPECT_EQ(r.Out.substr(0, 12), "4095   tiny\n");
}

TEST(ScanCommand, AMountPointListsItsFreeSpaceFirst) {
    test::TempTree tree;
    tree.File("a", 10);
    const test::FakeVolumeQuery volume = test::UsbVolume(true);
    const Result r = RunCommand({"--units", "GB", tree.Root()}, volume);
    EXPECT_EQ(r.Out, "-48.828   (/media/usb free space)\n0.000   a\n");
}

TEST(ScanCommand, LeavesOutTheFoldersOfExcludesIni) {
    test::TempTree tree;
    MakeSampleTree(tree);
    test::TempTree programFolder;
    programFolder.File("Excludes.ini", 0);
    FILE* ini = std::fopen(programFolder.Path("Excludes.ini").c_str(), "w");
    std::fputs("[Directories]\n1=BIG\n2=Nothing\n", ini);
    std::fclose(ini);
    const Result r =
        RunCommand({"--units", "MB", tree.Root()}, test::UsbVolume(false), programFolder.Root());
    EXPECT_EQ(r.Out.find("/big"), std::string::npos);
    EXPECT_NE(r.Out.find("/my docs"), std::string::npos);
}

TEST(ScanCommand, SaysWhatIsWrongWithItsArguments) {
    test::TempTree tree;
    const test::FakeVolumeQuery volume = test::UsbVolume(false);
    struct Case {
        std::vector<std::string> Args;
        const char* Message;
    };
    for (const Case& c :
         {Case{{}, "no FOLDER given"}, Case{{""}, "the FOLDER argument is empty"},
          Case{{"--units", "PB", "."}, "unknown unit 'PB'"},
          Case{{"--mode"}, "option --mode needs a value"},
          Case{{"--fast", "."}, "unknown option '--fast'"}, Case{{".", ".."}, "only one FOLDER"},
          Case{{tree.Path("missing")}, "No such file or directory"},
          Case{{tree.File("file.txt", 3)}, "Not a folder"}}) {
        const Result r = RunCommand(c.Args, volume);
        EXPECT_EQ(r.Status, 2);
        EXPECT_EQ(r.Out, "");
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
    }
    const Result help = RunCommand({"--help"}, volume);
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("Usage: quillet-scan"), std::string::npos);
}

// Names are bytes: these would all read "a", or add a fake row, if shown as they are.
TEST(ScanCommand, EveryNameIsOneLineAndDifferentNamesNeverLookAlike) {
    test::TempTree tree;
    const std::vector<std::pair<std::string, std::string>> names = {
        {"a", "a"},
        {"a ", "a\\x20"},
        {" a", "\\x20a"},
        {"a\t", "a\\t"},
        {"a\r", "a\\r"},
        {"a\n", "a\\n"},
        {"a\\n", "a\\\\n"},
        {"a\x01", "a\\x01"},
        {"a\n9999999.0   evil", "a\\n9999999.0   evil"},
        {"bad\xFFname", "bad\\xFFname"},
        {"cut\xE2\x82", "cut\\xE2\\x82"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // valid UTF-8 stays as it is
        {"line\xE2\x80\xA8sep", "line\\xE2\\x80\\xA8sep"},
        {"gpj.\xE2\x80\xAE"
         "exe",
         "gpj.\\xE2\\x80\\xAEexe"},
        {"nel\xC2\x85", "nel\\xC2\\x85"},
        // characters that draw nothing, anywhere in the name
        {"a\xE2\x80\x8B", "a\\xE2\\x80\\x8B"},                                 // zero-width space
        {"z\xE2\x80\x8Cw\xE2\x80\x8Dj", "z\\xE2\\x80\\x8Cw\\xE2\\x80\\x8Dj"},  // ZWNJ, ZWJ
        {"w\xE2\x81\xA0j", "w\\xE2\\x81\\xA0j"},                               // word joiner
        {"a\xEF\xBB\xBF", "a\\xEF\\xBB\\xBF"},                                 // byte order mark
        {"soft\xC2\xADhyphen", "soft\\xC2\\xADhyphen"},
        {"a\xF3\xA0\x81\x81", "a\\xF3\\xA0\\x81\\x81"},  // tag letter A
        // spaces that look like a blank, at either end; inside a name they stay
        {"a\xC2\xA0", "a\\xC2\\xA0"},
        {"\xC2\xA0"
         "a",
         "\\xC2\\xA0a"},
        {"a\xE2\x80\xAF", "a\\xE2\\x80\\xAF"},
        {"\xE3\x80\x80"
         "a",
         "\\xE3\\x80\\x80a"},
        {"n\xC2\xA0"
         "b",
         "n\xC2\xA0"
         "b"},
    };
    for (const auto& [name, shown] : names) {
        tree.File(name, 4096);
        EXPECT_EQ(ShownName(name), shown);
    }
    const Result r = RunCommand({"--units", "bytes", tree.Root()}, test::FakeVolumeQuery());
    EXPECT_EQ(r.Status, 0);
    std::istringstream lines(r.Out);
    std::set<std::string> seen;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.rfind("4096   ", 0), 0u) << line;
        seen.insert(line.substr(7));
    }
    EXPECT_EQ(seen.size(), names.size()) << r.Out;
    for (const auto& [name, shown] : names)
        EXPECT_TRUE(seen.count(shown)) << shown;
}

Result RunExecutable(const std::string& arguments) {
    const std::string command = std::string(QUILLET_SCAN_EXECUTABLE) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), out, ""};
}

TEST(ScanCommand, TheProgramPrintsExactlyTheExpectedLines) {
    test::TempTree tree;
    MakeSampleTree(tree);
    Result r = RunExecutable("--units MB '" + tree.Root() + "'");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out,
              "2.00   /big\n0.19   /my docs\n0.13   readme.md\n0.06   notes.txt\n0.00   /empty\n");

    r = RunExecutable("--version");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out.rfind("quillet-scan " QUILLET_FILE_VERSION ", ", 0), 0u) << r.Out;

    r = RunExecutable("'" + tree.Path("nothing here") + "'");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Out.find("cannot scan"), std::string::npos);
}

// Standard error's width, asked while descriptor 2 is the given one.
int ColumnsOf(int descriptor) {
    const int saved = dup(STDERR_FILENO);
    dup2(descriptor, STDERR_FILENO);
    const int columns = StandardErrorColumns();
    dup2(saved, STDERR_FILENO);
    close(saved);
    return columns;
}

// On a terminal, standard error shows the scan's progress in one line, wiped at the end; a
// file or a pipe there gets nothing.
TEST(ScanCommand, ShowsItsProgressOnlyOnATerminal) {
    test::TempTree tree;
    test::FakeFolderSource folders(test::FakeFolder(
        "", {test::FakeFolder("slow"), test::FakeFolder("after", {test::FakeFile("f", 1)})}));
    // Reading "slow" outlasts the time between two redraws: the line is drawn after it.
    folders.OnOpen = [](const std::string& path) {
        if (path.ends_with("/slow/")) std::this_thread::sleep_for(std::chrono::milliseconds(300));
    };
    const test::FakeVolumeQuery volume;
    const auto errorText = [&](const std::function<int()>& columns) {
        TFolderList root(".");
        std::ostringstream out, err;
        const int status = RunScanCommand({"--export", "-", tree.Root()}, out, err,
                                          {folders, volume, "", root, columns});
        EXPECT_EQ(status, 0);
        EXPECT_EQ(out.str().find('\r'), std::string::npos);
        return err.str();
    };

    const std::string shown = errorText([] { return 57; });
    ASSERT_EQ(shown.rfind("\r0 files, 3 folders, 0:00  ", 0), 0u) << shown;
    const std::size_t wipe = shown.rfind('\r', shown.size() - 2);
    EXPECT_EQ(shown.substr(wipe), "\r" + std::string(shown.find('\r', 1) - 1, ' ') + "\r")
        << "the line is wiped: " << shown;

    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal) | unlockpt(terminal), 0);
    const int terminalSide = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    winsize size{};
    size.ws_col = 57;
    ioctl(terminalSide, TIOCSWINSZ, &size);
    EXPECT_EQ(ColumnsOf(terminalSide), 57);
    close(terminalSide);
    close(terminal);

    test::TempTree files;
    const int file = open(files.Path("err").c_str(), O_WRONLY | O_CREAT, 0600);
    EXPECT_EQ(ColumnsOf(file), 0);
    const int saved = dup(STDERR_FILENO);
    dup2(file, STDERR_FILENO);
    const std::string inFile = errorText(StandardErrorColumns);
    dup2(saved, STDERR_FILENO);
    close(saved);
    close(file);
    EXPECT_EQ(inFile, "");
}

bool OnPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Our export imports to the rows of our own scan in every size kind. ncdu and gdu (Debian
// packages) are used where installed: their exports must import to the same rows, with the
// same disk usage except where theirs is the file system's and ours the scan's (a link takes a
// cluster to our scan, nothing to theirs), and ncdu must read ours.
TEST(ScanCommand, ExportsAndImportsTheScansThatNcduAndGduShare) {
    test::TempTree tree;
    MakeSampleTree(tree);
    tree.File("Big/Deeper/c.bin", 4096);
    tree.Link("link", "notes.txt");
    test::TempTree files;
    const std::string ours = files.Path("ours.json");
    const test::FakeVolumeQuery volume = test::UsbVolume(false);

    const Result exported = RunCommand({"--export", ours, tree.Root()}, volume);
    ASSERT_EQ(exported.Status, 0) << exported.Err;
    EXPECT_EQ(exported.Out, "");
    const std::string nominalRows =
        RunCommand({"--units=bytes", "--mode=nominal", tree.Root()}, volume).Out;
    for (const char* mode : {"nominal", "allocated", "slack"}) {
        const Result imported =
            RunCommand({"--units=bytes", "--mode", mode, "--import", ours}, volume);
        EXPECT_EQ(imported.Status, 0) << imported.Err;
        EXPECT_EQ(imported.Out,
                  RunCommand({"--units=bytes", "--mode", mode, tree.Root()}, volume).Out)
            << mode;
    }
    const auto withoutLink = [](const std::string& rows) {
        std::istringstream lines(rows);
        std::string kept, line;
        while (std::getline(lines, line)) {
            if (!line.ends_with("   link")) kept += line + '\n';
        }
        return kept;
    };

    const std::string quoted = "'" + tree.Root() + "'";
    if (OnPath("ncdu")) {
        const std::string theirs = files.Path("ncdu.json");
        ASSERT_EQ(std::system(("ncdu -o '" + theirs + "' " + quoted).c_str()), 0);
        EXPECT_EQ(RunCommand({"--units=bytes", "--mode=nominal", "--import", theirs}, volume).Out,
                  nominalRows);
        for (const char* mode : {"allocated", "slack"}) {
            EXPECT_EQ(
                withoutLink(
                    RunCommand({"--units=bytes", "--mode", mode, "--import", theirs}, volume).Out),
                withoutLink(
                    RunCommand({"--units=bytes", "--mode", mode, "--import", ours}, volume).Out))
                << mode;
        }
        EXPECT_EQ(std::system(("ncdu -f '" + ours + "' -o /dev/null").c_str()), 0)
            << "ncdu reads our export";
    }
    if (OnPath("gdu")) {
        const std::string theirs = files.Path("gdu.json");
        ASSERT_EQ(
            std::system(("gdu -n -o '" + theirs + "' " + quoted + " >/dev/null 2>&1").c_str()), 0);
        EXPECT_EQ(RunCommand({"--units=bytes", "--mode=nominal", "--import", theirs}, volume).Out,
                  nominalRows);
    }
}

TEST(ScanCommand, TheViewsOfTheWholeTreeListAnImportAsTheScanAndWhatChangedSince) {
    test::TempTree tree;
    MakeSampleTree(tree);
    tree.File("Big/Deeper/c.BIN", 4096);
    test::TempTree files;
    const std::string before = files.Path("before.json");
    const test::FakeVolumeQuery volume = test::UsbVolume(false);
    ASSERT_EQ(RunCommand({"--export", before, tree.Root()}, volume).Status, 0);
    const std::vector<std::vector<std::string>> views = {
        {"--largest", "3"}, {"--types"}, {"--find", "*.bin"}, {"--find=E"}};
    for (std::vector<std::string> args : views) {
        args.insert(args.begin(), "--units=bytes");
        std::vector<std::string> imported = args;
        imported.insert(imported.end(), {"--import", before});
        args.push_back(tree.Root());
        const Result direct = RunCommand(args, volume);
        EXPECT_EQ(direct.Status, 0) << direct.Err;
        EXPECT_EQ(RunCommand(imported, volume).Out, direct.Out) << args[1];
    }
    EXPECT_EQ(RunCommand({"--units=kB", "--largest=2", tree.Root()}, volume).Out,
              "1536.0   Big/a.bin\n512.0   Big/b.bin\n");
    EXPECT_EQ(RunCommand({"--units=kB", "--types", tree.Root()}, volume).Out,
              "2052.0   3   bin\n192.0   1   odt\n128.0   1   md\n64.0   1   txt\n");
    EXPECT_EQ(RunCommand({"--units=kB", "--find", "b", tree.Root()}, volume).Out,
              "2052.0   Big\n1536.0   Big/a.bin\n512.0   Big/b.bin\n4.0   Big/Deeper/c.BIN\n");

    tree.File("Big/b.bin", 1048576);
    tree.File("notes.txt", 4096);
    tree.File("new.txt", 8192);
    EXPECT_EQ(RunCommand({"--units=kB", "--largest=5", "--since", before, tree.Root()}, volume).Out,
              "512.0   Big/b.bin\n8.0   new.txt\n")
        << "only what grew, a new file by its whole size";
    EXPECT_EQ(RunCommand({"--units=kB", "--types", "--since", before, tree.Root()}, volume).Out,
              "512.0   0   bin\n-52.0   1   txt\n")
        << "the change of each type, in size and files; unchanged types are left out";
}

// An export onto a full disk fails and leaves the old export as it was; one inside the scanned
// folder lists neither itself nor the file it replaces; a mount point in the scanned folder,
// also a bind mount of the same file system, is written as ncdu -x writes it.
TEST(ScanCommand, AnExportReplacesItsFileOnlyWhenWholeNeverListsItselfAndMarksMountPoints) {
    test::TempTree tree;
    MakeSampleTree(tree);
    const std::string disk = tree.Folder("disk");
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    const std::string old = disk + "/scan.json";
    std::ofstream(old) << "[1,2,{},[{\"name\":\"/old\"}]]\n";
    std::ofstream(disk + "/filler") << std::string(60 * 1024, 'f');
    for (int i = 0; i < 2000; ++i)
        tree.File("Many/file " + std::to_string(i), 1);
    const test::FakeVolumeQuery volume = test::UsbVolume(false);

    const Result full = RunCommand({"--export", old, tree.Root()}, volume);
    EXPECT_EQ(full.Status, 1);
    EXPECT_NE(full.Err.find("could not write"), std::string::npos) << full.Err;
    EXPECT_EQ(test::FileContent(old), "[1,2,{},[{\"name\":\"/old\"}]]\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk), {}), 2)
        << "the temporary file is removed";

    const Result streamed = RunCommand({"--export", "-", tree.Root()}, volume);
    EXPECT_EQ(streamed.Status, 0) << streamed.Err;
    EXPECT_NE(streamed.Out.find("[{\"name\":\"disk\",\"dev\":"), std::string::npos);
    EXPECT_NE(streamed.Out.find(",\"excluded\":\"othfs\"}]"), std::string::npos) << streamed.Out;
    EXPECT_EQ(streamed.Out.find("read_error"), std::string::npos);
    umount2(disk.c_str(), MNT_DETACH);

    const std::string again = tree.Folder("Again");
    ASSERT_EQ(mount(tree.Path("Big").c_str(), again.c_str(), nullptr, MS_BIND, nullptr), 0);
    const std::string bound = RunCommand({"--export", "-", tree.Root()}, volume).Out;
    umount2(again.c_str(), MNT_DETACH);
    struct stat root;
    ASSERT_EQ(stat(tree.Root().c_str(), &root), 0);
    EXPECT_NE(bound.find("[{\"name\":\"Again\",\"dev\":" + std::to_string(root.st_dev) +
                         ",\"excluded\":\"othfs\"}]"),
              std::string::npos)
        << bound;
    EXPECT_EQ(bound.find("\"name\":\"a.bin\""), bound.rfind("\"name\":\"a.bin\""))
        << "Big's files once";

    const std::string inside = tree.Path("scan.json");
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(RunCommand({"--export", inside, tree.Root()}, volume).Status, 0);
        const std::string written = test::FileContent(inside);
        EXPECT_EQ(written.find("scan.json"), std::string::npos) << written;
        EXPECT_EQ(written.find(".quillet-save"), std::string::npos) << written;
    }
}

// The export as it was written beside a tree: everything after the header (the version and
// the time stamp).
std::string ExportBesideATree(FolderSource& source, const std::string& folder,
                              const std::string& exclusions) {
    std::ostringstream out;
    NcduExportWriter writer(out, "quillet-scan", "1.0", 0, 4096);
    TFolderList root(folder + "/");
    TScanOptions options;
    options.ExclusionText = exclusions;
    options.Sink = &writer;
    root.Scan(source, options);
    EXPECT_TRUE(writer.Finish());
    return out.str().substr(out.str().find('}'));
}

// An export is written as the folders are read and builds no tree, yet writes what was written
// beside the tree, byte for byte: names and files of every awkward kind, a left-out folder, and
// folders that cannot be opened or stop part-way.
TEST(ScanCommand, AnExportBuildsNoTreeAndWritesWhatWasWrittenBesideOne) {
    test::TempTree tree;
    tree.File("line\nbreak", 3);
    tree.File("<b>&amp;\"quoted\"\\</b>", 5);
    tree.File("not-utf8-\xff\xfe", 7);
    tree.SparseFile("Deep/a/sparse", 1 << 20);
    tree.Link("Deep/link", "a/sparse");
    tree.File("Deep/a/b/linked", 4097);
    ASSERT_EQ(link(tree.Path("Deep/a/b/linked").c_str(), tree.Path("twin").c_str()), 0);
    ASSERT_EQ(mkfifo(tree.Path("Deep/fifo").c_str(), 0600), 0);
    tree.File("Skipped/x", 1);
    tree.File("Locked/inside", 1);
    ASSERT_EQ(chmod(tree.Path("Locked").c_str(), 0), 0);
    test::TempTree programFolder;
    std::ofstream(programFolder.Path("Excludes.ini")) << "[Directories]\n1=skipped\n";
    const std::string exclusions = ReadExclusionText(programFolder.Root());
    ASSERT_NE(exclusions, "");

    test::FakeNode gone = test::FakeFolder("gone");
    gone.Unreadable = true;
    test::FakeNode cut = test::FakeFolder("cut", {test::FakeFile("a", 1), test::FakeFile("b", 2)});
    cut.FailAfter = 1;
    test::FakeFolderSource fake(test::FakeFolder("", {gone, cut, test::FakeFile("f", 3)}));
    LinuxFolderSource disk;
    const test::FakeVolumeQuery volume = test::UsbVolume(true);
    // What could not be read is named, and the status says so: the fake's two folders, and
    // the locked one where the tests are not run by root.
    const bool lockedReadable = access(tree.Path("Locked").c_str(), R_OK) == 0;
    for (FolderSource* source : std::initializer_list<FolderSource*>{&disk, &fake}) {
        TFolderList root(".");
        std::ostringstream out, err;
        const int status = RunScanCommand({"--export", "-", tree.Root()}, out, err,
                                          {*source, volume, programFolder.Root(), root});
        if (source == &fake) {
            EXPECT_EQ(status, 3);
            EXPECT_NE(out.str().find("\"gone\",\"asize\":0,\"dsize\":0,\"read_error\":true"),
                      std::string::npos);
            EXPECT_EQ(err.str(), "quillet-scan: cannot read directory '" + tree.Root() +
                                     "/gone': Permission denied\n"
                                     "quillet-scan: cannot read all of directory '" +
                                     tree.Root() + "/cut': Input/output error\n");
        } else if (lockedReadable) {
            EXPECT_EQ(status, 0) << err.str();
            EXPECT_EQ(err.str(), "");
        } else {
            EXPECT_EQ(status, 3);
            EXPECT_EQ(err.str(), "quillet-scan: cannot read directory '" + tree.Root() +
                                     "/Locked': Permission denied\n");
        }
        EXPECT_EQ(root.Count(), 0) << "no tree, not even the free-space entry";
        EXPECT_EQ(out.str().substr(out.str().find('}')),
                  ExportBesideATree(*source, tree.Root(), exclusions));
    }
    chmod(tree.Path("Locked").c_str(), 0700);
}

}  // namespace
}  // namespace quillet
