/// \file
/// \brief The form in which the login's phone, e-mail address and password are stored.
///
/// This is a reversible obfuscation, not encryption: anyone who reads the settings database can
/// undo it with the two functions below, which are the same in every installation. It only keeps
/// the plain text out of sight of someone who glances at the file. What protects the stored login
/// is that the settings database is readable by its owner only. The data service expects the
/// password in this form wherever the pages pass it on (the forum address), so it stays as it is.
#pragma once

#include <optional>
#include <string>

namespace qel {

/// The fixed text in front of every scrambled value.
inline constexpr wchar_t kScramblePrefix[] = L"KVELMORA";
/// The fixed text after every scrambled value.
inline constexpr wchar_t kScrambleSuffix[] = L"19960723";

/// The prefix, the text with every UTF-16 code unit raised by one, and the suffix; the empty
/// text stays empty. Nothing when the raised units are no longer text: a unit that becomes a
/// lone surrogate or wraps to 0 (the characters U+D7FF and U+FFFF, a character above U+FFFF whose
/// low surrogate is U+DFFF or whose high surrogate is U+DBFF), or a text that is not valid to
/// begin with. Such a value cannot be stored and read back.
std::optional<std::wstring> ScrambleCredential(const std::wstring &text);

/// The text ScrambleCredential made: the first and the last 8 UTF-16 code units dropped (they
/// are not compared with the prefix and suffix), every other unit lowered by one. The empty text
/// for a text of 16 units or fewer, and for one whose lowered units are not text.
std::wstring UnscrambleCredential(const std::wstring &text);

} // namespace qel
