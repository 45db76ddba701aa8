/// \file
/// \brief Conversions between wide text, UTF-8 and numbered code pages.
///
/// Wide text is std::wstring (one unit per code point). The "ANSI" code page of this build is
/// UTF-8, so the narrow conversions are UTF-8 conversions; a code page given by number goes
/// through iconv (936 is CP936, 65001 is UTF-8). Bytes that do not convert become U+FFFD (wide)
/// or '?' (narrow), never an error.
#pragma once

#include <string>
#include <string_view>

#include "basekit/basekit_export.h"

namespace basekit {

/// The code page numbers that have names of their own.
inline constexpr unsigned kCodePageUtf8 = 65001;
inline constexpr unsigned kCodePageGbk = 936;

/// Wide text to the ANSI code page (UTF-8 here).
BASEKIT_EXPORT std::string CStrW2CStrA(std::wstring_view text);
/// Wide text to the numbered code page; characters it cannot hold become '?'.
BASEKIT_EXPORT std::string CStrW2CStrA(std::wstring_view text, unsigned codePage);
/// ANSI (UTF-8) text to wide text.
BASEKIT_EXPORT std::wstring CStrA2CStrW(std::string_view text);
/// Text in the numbered code page to wide text.
BASEKIT_EXPORT std::wstring CStrA2CStrW(std::string_view text, unsigned codePage);
BASEKIT_EXPORT std::string CStrW2String(std::wstring_view text);

BASEKIT_EXPORT std::wstring UTF8ToUnicode(std::string_view utf8);
BASEKIT_EXPORT std::string UnicodeToUTF8Str(std::wstring_view text);
BASEKIT_EXPORT std::string UnicodeToUTF8Chars(std::wstring_view text);
BASEKIT_EXPORT std::wstring ANSIToUnicode(std::string_view ansi);
BASEKIT_EXPORT std::string UnicodeToANSI(std::wstring_view text);

/// True when the bytes are well-formed UTF-8.
BASEKIT_EXPORT bool IsValidUtf8(std::string_view bytes);

/// Text of a file the user opened: UTF-8 when it is valid UTF-8 (a BOM is dropped), otherwise
/// GB18030, so that files written by the Windows build of the program still read.
BASEKIT_EXPORT std::wstring DecodeUserFileText(std::string_view bytes);

/// The iconv name of a numbered code page ("CP936", "UTF-8", "CP1252" ...).
BASEKIT_EXPORT std::string CodePageName(unsigned codePage);

} // namespace basekit
