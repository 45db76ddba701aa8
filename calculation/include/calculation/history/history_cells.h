/// \file
/// \brief How a history table writes its cells: coloured balls and marked cells.
///
/// A cell that a draw hits holds one span; a cell it does not hit holds the empty text (the
/// summary rows count a cell as a hit exactly when it is not empty). A marked cell names its
/// series ("block" + n), which tells the page which cells one line of the chart joins.
#pragma once

#include <array>
#include <span>
#include <string>

#include "calculation/calculation_export.h"

namespace calculation {

/// A ball picture of one colour ("red", "blue", "green", "gold", "purple") as the value of a
/// style attribute; the picture is addressed below baseUrl ("qel://base" in the program).
CALCULATION_EXPORT std::wstring BallStyle(const std::wstring &baseUrl, const std::wstring &colour);
/// The same ball in the page's own font size.
CALCULATION_EXPORT std::wstring BallStyleWithoutFontSize(const std::wstring &baseUrl,
                                                         const std::wstring &colour);

/// The ball styles of one request: red front balls, blue back balls, and one colour per position
/// for the charts that draw every position at once.
struct CALCULATION_EXPORT BallStyles {
    static constexpr std::size_t kSeriesCount = 6;

    explicit BallStyles(const std::wstring &baseUrl);

    std::wstring front;
    std::wstring back;
    /// red, green, blue, gold, purple, and the empty style
    std::array<std::wstring, kSeriesCount> series;
};

/// styles[i]; the empty style past the end of the array.
CALCULATION_EXPORT const std::wstring &StyleAt(std::span<const std::wstring> styles, std::size_t i);

/// "<span block='block" + series + "' style=" + style + ">" + text + "</span>"
CALCULATION_EXPORT std::wstring MarkedCell(int series, const std::wstring &style, const std::wstring &text);
/// "<span style=" + style + ">" + text + "</span>": a hit that belongs to no chart line.
CALCULATION_EXPORT std::wstring PlainCell(const std::wstring &style, const std::wstring &text);

/// The green box of the class charts, width pixels wide.
CALCULATION_EXPORT std::wstring BoxStyle(int width);
/// The green box of the sum-range chart, as wide as its text.
CALCULATION_EXPORT std::wstring RangeBoxStyle();

} // namespace calculation
