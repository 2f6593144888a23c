// The folder chooser: a modal dialog showing the machine's folder tree, hidden folders
// included, opened at a starting folder, with a path field that starts with the keyboard
// focus. It returns the chosen folder's full path, or nothing when the user cancels.
// The file chooser is the same dialog with each folder's files in the tree too. Both reach
// every entry by its bytes, whether or not its name is text, and read nothing but names and
// types, so no file (a pipe, /proc/kmsg) can stall them.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace quillet {

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& start);

// A choice of the files the file chooser lists: the names that end in Ending, compared
// without regard to ASCII case; an empty Ending lists every file.
struct TFileFilter {
    QString Caption;
    std::string Ending;
};

// start: the file chosen last, or a folder; the tree opens there. filters: the first is chosen
// at first.
std::optional<std::string> ChooseFile(QWidget* parent, const QString& caption,
                                      const std::string& start,
                                      const std::vector<TFileFilter>& filters);

}  // namespace quillet
