#include "calculation/history/history_cells.h"

namespace calculation {

namespace {

std::wstring BallStyleOf(const std::wstring &baseUrl, const std::wstring &colour, const wchar_t *fontSize)
{
    return L"'display:inline-block;width:18px;height:18px;line-height:18px;background-image:url(&quot;" +
           baseUrl + L"/images/" + colour +
           L"Ball18.png&quot;);color:white;margin-left:2px;text-align:center;" + fontSize + L"'";
}

} // namespace

std::wstring BallStyle(const std::wstring &baseUrl, const std::wstring &colour)
{
    return BallStyleOf(baseUrl, colour, L"font-size:12px;");
}

std::wstring BallStyleWithoutFontSize(const std::wstring &baseUrl, const std::wstring &colour)
{
    return BallStyleOf(baseUrl, colour, L"");
}

BallStyles::BallStyles(const std::wstring &baseUrl)
    : front(BallStyle(baseUrl, L"red")),
      back(BallStyle(baseUrl, L"blue")), series{front,
                                                BallStyle(baseUrl, L"green"),
                                                back,
                                                BallStyle(baseUrl, L"gold"),
                                                BallStyle(baseUrl, L"purple"),
                                                std::wstring()}
{
}

const std::wstring &StyleAt(std::span<const std::wstring> styles, std::size_t i)
{
    static const std::wstring kNoStyle;
    return i < styles.size() ? styles[i] : kNoStyle;
}

std::wstring MarkedCell(int series, const std::wstring &style, const std::wstring &text)
{
    return L"<span block='block" + std::to_wstring(series) + L"' style=" + style + L">" + text + L"</span>";
}

std::wstring PlainCell(const std::wstring &style, const std::wstring &text)
{
    return L"<span style=" + style + L">" + text + L"</span>";
}

std::wstring BoxStyle(int width)
{
    return L"'display:inline-block;width:" + std::to_wstring(width) +
           L"px;height:16px;padding-top:1px;background:#067306;color:#ffffff;text-align:center;'";
}

std::wstring RangeBoxStyle()
{
    return L"'display:inline-block;height:16px;padding:1px 2px 0px 2px;background:#067306;color:#ffffff;"
           L"text-align:center;'";
}

} // namespace calculation
