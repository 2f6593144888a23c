// A strict, bounded reader of JSON text, read piece by piece from a stream: the text is never
// held whole, strings and nesting have limits, and every error names the byte offset at which
// it was found. The caller walks the structure itself (Peek, Expect, Read...).
#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

class JsonError : public std::runtime_error {
public:
    JsonError(std::uint64_t offset, const std::string& what)
        : std::runtime_error(what), Offset(offset) {}
    std::uint64_t Offset;
};

class JsonStream {
public:
    static constexpr std::size_t kMaxStringBytes = 65536;

    explicit JsonStream(std::istream& in);

    // The next character after blanks, without taking it; 0 at the end of the text.
    char Peek();
    // Takes the next character after blanks, which must be c.
    void Expect(char c);
    // True at the end of the text (after blanks).
    bool AtEnd() { return Peek() == 0 && Exhausted_; }

    // A string into out (bytes; \u escapes become UTF-8). A NUL character is refused.
    void ReadString(std::string& out);
    // A whole number from 0 to max, read digit by digit: exact up to 2^64 - 1. what names it
    // in the error when it is larger.
    std::uint64_t ReadUnsigned(std::uint64_t max, std::string_view what = "number");
    bool ReadBool();
    // Reads and drops any value, nested at most 64 levels.
    void SkipValue();

    std::uint64_t Offset() const { return Base_ + Pos_; }
    [[noreturn]] void Fail(const std::string& what) const;

private:
    bool Fill();
    int Get();  // the next byte, or -1 at the end
    void SkipNumber();
    void SkipLiteral();
    unsigned ReadHex4();

    std::istream& In_;
    std::vector<char> Buffer_;
    std::size_t Pos_ = 0;
    std::size_t End_ = 0;
    std::uint64_t Base_ = 0;
    bool Exhausted_ = false;
};

}  // namespace quillet
