#include <gtest/gtest.h>

#include <QString>

#include "scan/Utf16Length.h"

namespace quillet {
namespace {

// The window decodes paths with Qt, so the count must match what Qt makes of the bytes.
TEST(Utf16Length, CountsAsQtDecodes) {
    const std::vector<std::string> samples = {
        "",
        "plain/ascii.txt",
        "caf\xC3\xA9",            // two-byte
        "\xE2\x82\xAC uro",       // three-byte
        "\xF0\x9F\x98\x80 face",  // four-byte: a surrogate pair
        "bad\xFF"
        "byte",
        "\xC3",  // cut short at the end
        "\xE2\x82"
        "x",  // cut short in the middle
        "\xC0\xAF overlong",
        "\xED\xA0\x80 surrogate",
        "\xF4\x90\x80\x80 too high",
        "\x80\x80 stray continuations",
    };
    for (const std::string& s : samples) {
        EXPECT_EQ(Utf16Length(s),
                  QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).size())
            << "for bytes of " << s;
    }
}

}  // namespace
}  // namespace quillet
