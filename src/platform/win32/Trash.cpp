#include "platform/Trash.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "base/HexDigits.h"
#include "platform/win32/ComScope.h"
#include "platform/win32/Win32Names.h"

namespace quillet {

const char* const kTrashTitle = "Recycle Bin";
const char* const kTrashInText = "Recycle Bin";

namespace {

// SHFileOperationW answers with its own codes where they exist (the DE_ values, from before
// Win32, some equal to unrelated system error codes), and with a system error code otherwise.
std::string ShellOperationText(int result) {
    switch (result) {
        case 0x75:
            return "the operation was cancelled";
        case 0x78:
            return "access is denied";
        case 0x79:
        case 0x81:
            return "its path is too long for the Recycle Bin";
        case 0x7C:
            return "the path is not valid";
        case 0x86:
        case 0x87:
        case 0x88:
            return "it is on a disc that cannot be written";
        default:
            break;
    }
    if ((result >= 0x71 && result <= 0x88) || result == 0xB7 || result == 0x402 ||
        result >= 0x10000) {
        std::string text = "the Recycle Bin refused it (code 0x";
        for (int shift = 24; shift >= 0; shift -= 8)
            AppendHexByte(text, static_cast<unsigned char>(result >> shift));
        return text + ")";
    }
    return SystemErrorText(static_cast<unsigned long>(result));
}

}  // namespace

std::string MoveToTrash(const std::string& given) {
    const std::string path = WithoutFolderEnd(given);
    if (GetFileAttributesW(Win32Path(path).c_str()) == INVALID_FILE_ATTRIBUTES)
        return PathErrorText(path, GetLastError());
    // The shell's file operations take no \\?\ path, so none longer than MAX_PATH, and none
    // with a name they would read as another entry's.
    if (std::string problem = ShellNameProblem(path); !problem.empty()) return problem;
    const std::wstring wide = WideFromWtf8(path);
    if (wide.size() >= MAX_PATH) return "its path is too long for the Recycle Bin";
    // Only fixed drives have a Recycle Bin; elsewhere the shell would delete it for good.
    wchar_t volume[MAX_PATH + 1];
    if (!GetVolumePathNameW(wide.c_str(), volume, MAX_PATH + 1))
        return SystemErrorText(GetLastError());
    if (GetDriveTypeW(volume) != DRIVE_FIXED) return "there is no Recycle Bin on its drive";

    const ComScope com;
    const std::wstring from = wide + L'\0';  // a list of names, ended by an empty one
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // Silent, except for the one question the shell asks when the Recycle Bin cannot take the
    // entry (too big for it, or a bin turned off): without it, the entry would be deleted for
    // good without a word.
    operation.fFlags =
        FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
    const int result = SHFileOperationW(&operation);
    if (operation.fAnyOperationsAborted) return "the Recycle Bin cannot take it";
    if (result != 0) return ShellOperationText(result);
    return {};
}

}  // namespace quillet
