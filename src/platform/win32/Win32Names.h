// Names and paths between the tree and the Win32 calls. Windows names are UTF-16 code units
// that need not pair up; the tree holds them as WTF-8 (UTF-8 that also encodes an unpaired
// surrogate as its own three bytes), so every name the system reports comes back to it
// unchanged, and the shown-name rules escape what is not UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// WTF-8 of a UTF-16 name: pairs become four-byte sequences, unpaired surrogates three bytes.
std::string Wtf8FromWide(std::wstring_view wide);

// The UTF-16 name that wtf8 encodes. A byte that begins no sequence (text that did not come
// from Wtf8FromWide) becomes U+FFFD.
std::wstring WideFromWtf8(std::string_view wtf8);

// A full path ready for the Win32 calls: beyond the old MAX_PATH limit it gets the long-path
// prefix \\?\ (\\?\UNC\ for a network path), which lifts the limit to 32767 units.
std::wstring Win32Path(std::string_view wtf8Path);

// The path without the separators that end a folder's path ("C:\a\" is "C:\a"); a drive root
// keeps its own ("C:\"). The calls that name an entry itself want it so.
std::string WithoutFolderEnd(std::string_view path);

// The system's words for an error code, without the line end and final full stop.
std::string SystemErrorText(unsigned long error);

}  // namespace quillet
