// A file dialog answers with text, and a name that is not valid UTF-8 has lost its bytes on
// the way: each byte that does not decode became U+FFFD, so a file "dir\xFF" and a file
// really named "dir\uFFFD" read alike. The path an answer stands for is therefore found on
// disk, name by name: in each folder, the entry whose bytes decode to the answer's name.
#pragma once

#include <QString>
#include <string>

namespace quillet {

struct TDialogPath {
    enum TProblem { None, Missing, Ambiguous };
    std::string Path;  // the bytes of the path found; empty unless Problem is None
    TProblem Problem = None;
};

// answer: a full path as a dialog gives it. newName: its last name may be one that no entry
// has yet (a file to be written); it then stands for the UTF-8 bytes of its text.
TDialogPath FindDialogPath(const QString& answer, bool newName);

// What the window says when an answer stands for no file or for several, opening with
// "Cannot open" or, for a file to be written, "Cannot save".
QString DialogPathProblem(const QString& answer, TDialogPath::TProblem problem, bool newName);

}  // namespace quillet
