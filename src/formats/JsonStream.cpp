#include "formats/JsonStream.h"

#include "base/HexDigits.h"
#include "base/Utf8.h"

namespace quillet {
namespace {

constexpr std::size_t kChunkBytes = 1 << 18;
constexpr std::size_t kMaxSkipDepth = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

}  // namespace

JsonStream::JsonStream(std::istream& in) : In_(in), Buffer_(kChunkBytes) {}

void JsonStream::Fail(const std::string& what) const {
    throw JsonError(Offset(), what);
}

bool JsonStream::Fill() {
    if (Exhausted_) return false;
    Base_ += End_;
    Pos_ = End_ = 0;
    In_.read(Buffer_.data(), static_cast<std::streamsize>(Buffer_.size()));
    End_ = static_cast<std::size_t>(In_.gcount());
    if (End_ == 0) {
        if (In_.bad()) Fail("the file could not be read");
        Exhausted_ = true;
        return false;
    }
    return true;
}

int JsonStream::Get() {
    if (Pos_ == End_ && !Fill()) return -1;
    return static_cast<unsigned char>(Buffer_[Pos_++]);
}

char JsonStream::Peek() {
    for (;;) {
        if (Pos_ == End_ && !Fill()) return 0;
        const char c = Buffer_[Pos_];
        if (!IsBlank(c)) return c == 0 ? '\x01' : c;
        ++Pos_;
    }
}

void JsonStream::Expect(char c) {
    const char next = Peek();
    if (next == 0) Fail("the file ends too early");
    if (next != c) Fail(std::string("'") + c + "' expected");
    ++Pos_;
}

unsigned JsonStream::ReadHex4() {
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
        const int c = Get();
        const int digit = HexDigitValue(c);
        if (digit < 0) Fail(c < 0 ? "the file ends too early" : "bad \\u escape in a string");
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

void JsonStream::ReadString(std::string& out) {
    out.clear();
    Peek();
    const std::uint64_t start = Offset();
    Expect('"');
    for (;;) {
        if (out.size() > kMaxStringBytes) throw JsonError(start, "string longer than 65536 bytes");
        if (Pos_ == End_ && !Fill()) Fail("the file ends too early");
        // Plain bytes are copied in runs; only quotes, escapes and control bytes stop a run.
        std::size_t run = Pos_;
        while (run < End_) {
            const auto byte = static_cast<unsigned char>(Buffer_[run]);
            if (byte == '"' || byte == '\\' || byte < 0x20) break;
            ++run;
        }
        out.append(Buffer_.data() + Pos_, run - Pos_);
        Pos_ = run;
        if (Pos_ == End_) continue;
        const char c = Buffer_[Pos_++];
        if (c == '"') break;
        if (c != '\\') Fail(c == 0 ? "NUL character in a string" : "control character in a string");
        const int escape = Get();
        switch (escape) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t code = ReadHex4();
                if (code == 0) Fail("NUL character in a string");
                if (IsLowSurrogate(code)) Fail("lone surrogate in a string");
                if (IsHighSurrogate(code)) {
                    if (Get() != '\\' || Get() != 'u') Fail("lone surrogate in a string");
                    const char32_t low = ReadHex4();
                    if (!IsLowSurrogate(low)) Fail("lone surrogate in a string");
                    code = SurrogatePairCode(code, low);
                }
                AppendUtf8(out, code);
                break;
            }
            case -1:
                Fail("the file ends too early");
            default:
                Fail("bad escape in a string");
        }
    }
    if (out.size() > kMaxStringBytes) throw JsonError(start, "string longer than 65536 bytes");
}

std::uint64_t JsonStream::ReadUnsigned(std::uint64_t max, std::string_view what) {
    const char first = Peek();
    if (first == 0) Fail("the file ends too early");
    if (first == '-') Fail("negative number where a size or count was expected");
    if (!IsDigit(first)) Fail("number expected");
    const std::uint64_t start = Offset();
    std::uint64_t value = 0;
    bool tooBig = false;
    int digits = 0;
    int next = -1;
    while (Pos_ < End_ || Fill()) {
        next = static_cast<unsigned char>(Buffer_[Pos_]);
        if (!IsDigit(next)) break;
        if (digits == 1 && value == 0) Fail("number with a leading zero");
        ++Pos_;
        ++digits;
        const auto digit = static_cast<std::uint64_t>(next - '0');
        if (value > (UINT64_MAX - digit) / 10) tooBig = true;
        if (!tooBig) value = value * 10 + digit;
        next = -1;
    }
    if (next == '.' || next == 'e' || next == 'E') throw JsonError(start, "whole number expected");
    if (tooBig || value > max)
        throw JsonError(start,
                        std::string(what) + " out of range: larger than " + std::to_string(max));
    return value;
}

bool JsonStream::ReadBool() {
    const char c = Peek();
    if (c != 't' && c != 'f') Fail("true or false expected");
    const char* word = c == 't' ? "true" : "false";
    for (const char* p = word; *p; ++p) {
        const int got = Get();
        if (got != *p) Fail(got < 0 ? "the file ends too early" : "true or false expected");
    }
    return c == 't';
}

void JsonStream::SkipNumber() {
    int c = Get();
    if (c == '-') c = Get();
    if (!IsDigit(c)) Fail("bad number");
    auto peekByte = [this]() -> int {
        if (Pos_ == End_ && !Fill()) return -1;
        return static_cast<unsigned char>(Buffer_[Pos_]);
    };
    const bool leadingZero = c == '0';
    int digits = 1;
    while (IsDigit(peekByte())) {
        ++Pos_;
        ++digits;
    }
    if (leadingZero && digits > 1) Fail("bad number");
    if (peekByte() == '.') {
        ++Pos_;
        if (!IsDigit(peekByte())) Fail("bad number");
        while (IsDigit(peekByte()))
            ++Pos_;
    }
    if (peekByte() == 'e' || peekByte() == 'E') {
        ++Pos_;
        if (peekByte() == '+' || peekByte() == '-') ++Pos_;
        if (!IsDigit(peekByte())) Fail("bad number");
        while (IsDigit(peekByte()))
            ++Pos_;
    }
}

void JsonStream::SkipLiteral() {
    const char c = Peek();
    const char* word = c == 't' ? "true" : c == 'f' ? "false" : "null";
    for (const char* p = word; *p; ++p) {
        const int got = Get();
        if (got != *p) Fail(got < 0 ? "the file ends too early" : "unknown value");
    }
}

// Objects and arrays are walked with a small stack of their own: 'o' for an object, 'a' for
// an array; each loop turn reads one value in the innermost of them.
void JsonStream::SkipValue() {
    std::string scratch;
    std::vector<char> open;
    bool first = false;
    for (;;) {
        if (!open.empty()) {
            const char close = open.back() == 'o' ? '}' : ']';
            const char c = Peek();
            if (c == close) {
                ++Pos_;
                open.pop_back();
                first = false;
                if (open.empty()) return;
                continue;
            }
            if (!first) Expect(',');
            first = false;
            if (open.back() == 'o') {
                ReadString(scratch);
                Expect(':');
            }
        }
        const char c = Peek();
        if (c == 0) Fail("the file ends too early");
        if (c == '{' || c == '[') {
            if (open.size() == kMaxSkipDepth) Fail("values nested too deep");
            ++Pos_;
            open.push_back(c == '{' ? 'o' : 'a');
            first = true;
            continue;
        }
        if (c == '"') {
            ReadString(scratch);
        } else if (c == '-' || IsDigit(c)) {
            SkipNumber();
        } else if (c == 't' || c == 'f' || c == 'n') {
            SkipLiteral();
        } else {
            Fail("value expected");
        }
        if (open.empty()) return;
    }
}

}  // namespace quillet
