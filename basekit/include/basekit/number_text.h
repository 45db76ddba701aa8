/// \file
/// \brief Numbers to text and text to numbers, independent of the process locale.
///
/// GTK sets the user's locale, so nothing here goes through the C library's locale-aware
/// printf or strtod: a decimal comma must never reach a reply text. Fixed-point texts round
/// halves away from zero on the shortest decimal form of the value (6.25 with "%.1f" is "6.3").
#pragma once

#include <string>
#include <string_view>

#include "basekit/basekit_export.h"

namespace basekit {

/// Decimal text of the value ("-" for negatives).
BASEKIT_EXPORT std::string IntToStr(int value);
/// The system's standard int-to-text.
BASEKIT_EXPORT std::wstring IntToStrW(int value);
/// The value written with a printf-style format holding one conversion ("%d", "%02d" ...).
BASEKIT_EXPORT std::wstring IntToStr(int value, std::wstring_view format);
/// The value written with a printf-style format holding one conversion ("%.4f", "%04.2f" ...).
BASEKIT_EXPORT std::wstring DoubleToStr(double x, std::wstring_view format);
/// A percentage that the caller has already scaled, written with the caller's format.
BASEKIT_EXPORT std::wstring Percentage(double x, std::wstring_view format);

/// Leading decimal digits of the text, as atoi reads them (0 when none; clamped to int).
BASEKIT_EXPORT int StrAToInt(std::string_view text);
/// An optional '-' and the leading decimal digits (0 when none; clamped to int).
BASEKIT_EXPORT int StrToIntW(std::wstring_view text);
/// Leading blanks, sign, digits, decimal point and exponent, as atof reads them (0.0 when none).
BASEKIT_EXPORT double StrToDouble(std::wstring_view text);

} // namespace basekit
