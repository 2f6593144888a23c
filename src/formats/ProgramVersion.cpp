#include "formats/ProgramVersion.h"

#include "formats/QXVersionInfo.h"

namespace quillet {

std::string ProgramVersionText(std::string_view programName) {
    const TQXVersionInfo version;
    std::string text(programName);
    text += ' ';
    text += version.ReadString("FileVersion") + ", " + version.ReadString("Comments") + "\n";
    text += version.ReadString("ProductName") + "\n";
    text += version.ReadString("LegalCopyright") + "\n";
    return text;
}

}  // namespace quillet
