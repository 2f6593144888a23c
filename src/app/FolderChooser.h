// The folder chooser: a modal dialog showing the machine's folder tree, hidden folders
// included, opened at a starting folder. It returns the chosen folder's full path, or nothing
// when the user cancels.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace quillet {

std::optional<std::string> ChooseFolder(QWidget* parent, const std::string& start);

}  // namespace quillet
