// Explorer's entry "&Usage Pie Chart" on folders and drives: choosing it starts the program on
// that folder or drive. It is written under the user's own part of HKEY_CLASSES_ROOT
// (HKEY_CURRENT_USER\Software\Classes), which every user may change without elevation and
// Explorer reads before the machine's part, for each class ("Directory", then "Drive") whose
// "shell" key exists in the merged view. Disabling removes the two keys with everything under
// them, and the older "Folder\shell\Usage Pie Chart" entry goes in either case. Every failure is
// silent: the next start tries again.
#pragma once

#include <string>

namespace quillet {

struct ExplorerClasses {
    // The key under HKEY_CURRENT_USER where the entry is written.
    std::wstring Written = L"Software\\Classes";
    // Where a class's "shell" key is looked for: HKEY_CLASSES_ROOT, or (for a test) Written.
    bool LookInClassesRoot = true;
};

// executable is the program's full path (WTF-8), as the entry's icon and in its command line.
void RegisterExplorerFolderMenu(bool enable, const std::string& executable,
                                const ExplorerClasses& classes = {});

}  // namespace quillet
