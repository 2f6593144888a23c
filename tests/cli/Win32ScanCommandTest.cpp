#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/ExecutableFolder.h"
#include "platform/win32/Win32Names.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

struct ProgramRun {
    DWORD Status = 1;
    std::string Out;
};

// Runs program with the command line given, as a console would, and collects its output.
ProgramRun RunProgram(const std::string& program, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = start.hStdError = writeEnd;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring commandLine = L"\"" + WideFromWtf8(program) + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &start, &process);
    CloseHandle(writeEnd);
    ProgramRun run;
    char buffer[4096];
    DWORD read = 0;
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
        run.Out.append(buffer, read);
    CloseHandle(readEnd);
    if (!started) return run;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.Status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return run;
}

// A copy of quillet-scan.exe with an Excludes.ini beside it scans a generated tree whose
// names need UTF-16 (one is outside the BMP): the rows are exact, in UTF-8. An export written
// into the tree lists neither itself nor the file it replaces.
TEST(Win32ScanCommand, PrintsTheRowsOfATreeExactlyAndExportsItWithoutItsOwnFile) {
    const std::string built = ExecutableFolder() + "\\quillet-scan.exe";  // built beside it
    test::TempTree program;
    const std::string copy = program.Path("quillet-scan.exe");
    ASSERT_TRUE(CopyFileW(WideFromWtf8(built).c_str(), WideFromWtf8(copy).c_str(), FALSE)) << built;
    const HANDLE ini = CreateFileW(WideFromWtf8(program.Path("Excludes.ini")).c_str(),
                                   GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    WriteFile(ini, "[Directories]\r\n1=TEMP\r\n", 23, &written, nullptr);
    CloseHandle(ini);

    test::TempTree tree;
    tree.File("Big/a.bin", 1572864);
    tree.File("My Docs/letter.odt", 196608);
    tree.File("notes.txt", 65536);
    tree.File("Temp/cache.bin", 3 << 20);
    tree.Folder("Empty");
    const std::wstring smile = L"Caf\u00E9 " + std::wstring{0xD83D, 0xDE00} + L".txt";
    const std::wstring folder = WideFromWtf8(tree.Root()) + L"\\" + smile;
    const HANDLE file =
        CreateFileW(folder.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    const std::string block(131072, 'q');
    WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
    CloseHandle(file);

    ProgramRun run = RunProgram(copy, L"--units kB \"" + WideFromWtf8(tree.Root()) + L"\"");
    EXPECT_EQ(run.Status, 0u) << run.Out;
    EXPECT_EQ(run.Out,
              "1536.0   \\big\r\n192.0   \\my docs\r\n128.0   caf\xC3\xA9 \xF0\x9F\x98\x80.txt\r\n"
              "64.0   notes.txt\r\n0.0   \\empty\r\n");

    run = RunProgram(copy, L"\"" + WideFromWtf8(tree.Root()) + L"\\" + smile + L"\"");
    EXPECT_EQ(run.Status, 2u);
    EXPECT_EQ(run.Out, "quillet-scan: cannot scan '" + tree.Root() +
                           "\\Caf\xC3\xA9 \xF0\x9F\x98\x80.txt': Not a folder\r\n");

    const std::string inside = tree.Path("scan.json");
    for (int round = 0; round < 2; ++round) {
        run = RunProgram(copy, L"--export \"" + WideFromWtf8(inside) + L"\" \"" +
                                   WideFromWtf8(tree.Root()) + L"\"");
        EXPECT_EQ(run.Status, 0u) << run.Out;
        const std::string written = test::FileContent(inside);
        EXPECT_NE(written.find("\"name\":\"notes.txt\""), std::string::npos) << written;
        EXPECT_EQ(written.find("scan.json"), std::string::npos) << written;
        EXPECT_EQ(written.find(".quillet-save"), std::string::npos) << written;
    }
}

}  // namespace
}  // namespace quillet
