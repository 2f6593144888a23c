// A translated text that holds a path as the system gave it: the path's bytes stay as they
// are (invalid UTF-8 included) until the text is shown through ShownName.
#pragma once

#include <QString>
#include <string>

namespace quillet {

// form with its "%1" replaced by bytes, as UTF-8 around them.
std::string WithBytes(const QString& form, const std::string& bytes);

}  // namespace quillet
