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

// A path ready for the Win32 calls: always with the prefix \\?\ (\\?\UNC\ for a network
// path), so the system takes every name as it is stored, one that ends in a dot or a blank or
// names a device too (without it, "dirdot." is read as "dirdot"), and a path up to 32767 units
// long. A relative path, or one with "." or ".." in it, is first made full as the system
// reads it; a path that has the prefix already is left as it is.
std::wstring Win32Path(std::string_view wtf8Path);

// The full path the system makes of path, as GetFullPathNameW; path itself when it cannot.
std::wstring FullPathName(const std::wstring& path);

// Why the shell (and any program given the path) would not reach the entry the path names,
// since it takes no \\?\ prefix: a name in it that ends in a dot or a blank, which it drops,
// so that it would reach another entry or none, or a name that holds a character that no
// Windows name may hold. Words without the path; empty when every name is one it keeps.
std::string ShellNameProblem(std::string_view wtf8Path);

// Why the system refused path with error, in words: for a name that holds a character no
// Windows name may hold (made by another system), those characters; else the system's words.
std::string PathErrorText(std::string_view wtf8Path, unsigned long error);

// The path without the separators that end a folder's path ("C:\a\" is "C:\a"); a drive root
// keeps its own ("C:\"). The calls that name an entry itself want it so.
std::string WithoutFolderEnd(std::string_view path);

// The system's words for an error code, without the line end and final full stop.
std::string SystemErrorText(unsigned long error);

}  // namespace quillet
