// The reasons the platform layer gives in words of its own (not the system's error texts,
// which come in the system's language already), shown in the user's language where the
// window says why something failed; any other reason is shown as it is.
#pragma once

#include <QString>
#include <string>

namespace quillet {

QString SystemReasonText(const std::string& reason);

}  // namespace quillet
