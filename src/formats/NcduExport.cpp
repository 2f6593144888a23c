#include "formats/NcduExport.h"

#include <charconv>

#include "base/HexDigits.h"
#include "platform/FileAttributes.h"
#include "platform/PathSeparator.h"
#include "scan/FileAccounting.h"

namespace quillet {
namespace {

constexpr std::size_t kFlushBytes = 1 << 16;

}  // namespace

NcduExportWriter::NcduExportWriter(std::ostream& out, std::string_view programName,
                                   std::string_view programVersion, std::int64_t timestamp,
                                   std::int32_t clusterSize)
    : Out_(out), ClusterSize_(clusterSize) {
    Buffer_.reserve(kFlushBytes + 4096);
    Buffer_ += "[1,2,{\"progname\":";
    Text(programName);
    Buffer_ += ",\"progver\":";
    Text(programVersion);
    Buffer_ += ",\"timestamp\":";
    char digits[24];
    Buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, timestamp).ptr);
    Buffer_ += '}';
}

void NcduExportWriter::FolderOpened(std::string_view name, const FolderEntry* entry,
                                    const FolderHandle* handle) {
    if (!LeftOut_.empty()) {
        FolderEnds_.push_back(Folder_.size());
        Folder_.append(name);  // the scan root's name is its full path
        if (Folder_.empty() || Folder_.back() != kPathSeparator) Folder_ += kPathSeparator;
    }
    const bool readable = handle != nullptr;
    // A folder the scan could not enter because another file system is mounted on it is no
    // read error: it is written as ncdu -x writes it, without the other file system's sizes.
    const bool otherFileSystem = entry && !readable && (entry->Attributes & kAttributeMountPoint);
    Buffer_ += ",\n[";
    BeginItem(name);
    if (entry && !otherFileSystem) {
        Number("asize", entry->Size);
        Number("dsize", entry->OnDiskSize);
    }
    if (entry && entry->Device) Number("dev", entry->Device);
    if (otherFileSystem) {
        Buffer_ += ",\"excluded\":\"othfs\"";
    } else if (!readable || handle->ReadError()) {
        Buffer_ += ",\"read_error\":true";
    }
    Buffer_ += '}';
    FlushWhenFull();
}

void NcduExportWriter::FileFound(const FolderEntry& entry) {
    for (const FileIdentity& file : LeftOut_) {
        if (IsFile(entry, Folder_, file)) return;
    }
    Buffer_ += ",\n";
    BeginItem(entry.Name);
    Number("asize", entry.Size);
    Number("dsize", AllocatedBytes(entry, ClusterSize_));
    if (entry.Links > 1) {
        // The scan root's own device is not known to the writer, so a linked file names its
        // device itself rather than inherit it.
        Number("dev", entry.Device);
        Number("ino", entry.Inode);
        Buffer_ += ",\"hlnkc\":true";
        Number("nlink", entry.Links);
    }
    if (entry.Attributes & kAttributeNotRegular) Buffer_ += ",\"notreg\":true";
    if (entry.Error) Buffer_ += ",\"read_error\":true";
    Buffer_ += '}';
    FlushWhenFull();
}

void NcduExportWriter::FolderExcluded(std::string_view name) {
    Buffer_ += ",\n";
    BeginItem(name);
    Buffer_ += ",\"excluded\":\"pattern\"}";
    FlushWhenFull();
}

void NcduExportWriter::FolderClosed() {
    Buffer_ += ']';
    if (!LeftOut_.empty()) {
        Folder_.resize(FolderEnds_.back());
        FolderEnds_.pop_back();
    }
}

bool NcduExportWriter::Finish() {
    Buffer_ += "]\n";
    Out_.write(Buffer_.data(), static_cast<std::streamsize>(Buffer_.size()));
    Buffer_.clear();
    Out_.flush();
    return static_cast<bool>(Out_);
}

void NcduExportWriter::BeginItem(std::string_view name) {
    Buffer_ += "{\"name\":";
    Text(name);
}

void NcduExportWriter::Number(std::string_view key, std::uint64_t value) {
    Buffer_ += ",\"";
    Buffer_ += key;
    Buffer_ += "\":";
    char digits[24];
    Buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Names go out as the bytes stored on disk: only the quote, the backslash and control
// characters are escaped, so a name that is not UTF-8 keeps its bytes, as the format allows.
void NcduExportWriter::Text(std::string_view text) {
    Buffer_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            Buffer_ += '\\';
            Buffer_ += c;
        } else if (byte < 0x20) {
            Buffer_ += "\\u00";
            AppendHexByte(Buffer_, byte, kLowerHexDigits);
        } else {
            Buffer_ += c;
        }
    }
    Buffer_ += '"';
}

void NcduExportWriter::FlushWhenFull() {
    if (Buffer_.size() < kFlushBytes) return;
    Out_.write(Buffer_.data(), static_cast<std::streamsize>(Buffer_.size()));
    Buffer_.clear();
}

}  // namespace quillet
