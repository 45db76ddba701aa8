// Per-number classes shared by the statistics, their texts and the per-position checks, so that a
// class string, a count and a check of the same condition can never disagree.
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "calculation/calculation_util.h"

namespace calculation::detail {

/// "No class": a zero divisor, a number in no element.
constexpr int kNoClass = -1;

constexpr bool IsSetPrimeSlow(int v)
{
    constexpr std::array<int, 12> kPrimes{1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    return std::ranges::find(kPrimes, v) != kPrimes.end();
}

constexpr bool IsSeedPrimeSlow(int v)
{
    for (int seed : CCalculationUtil::kPrimeSeeds) {
        if (v == seed) {
            return true;
        }
    }
    return v % 2 != 0 && v % 3 != 0 && v % 5 != 0 && v % 7 != 0;
}

template <bool (*IsPrime)(int)> constexpr std::uint64_t PrimeMask()
{
    std::uint64_t mask = 0;
    for (int v = 0; v < 64; ++v) {
        if (IsPrime(v)) {
            mask |= std::uint64_t{1} << v;
        }
    }
    return mask;
}

inline constexpr std::uint64_t kSetPrimeMask = PrimeMask<IsSetPrimeSlow>();
inline constexpr std::uint64_t kSeedPrimeMask = PrimeMask<IsSeedPrimeSlow>();

/// Set rule: 1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31. Every member is below 64.
inline bool IsSetPrime(int v)
{
    return v >= 0 && v < 64 && ((kSetPrimeMask >> v) & 1U) != 0;
}

/// Seed rule: the seeds, or divisible by none of 2, 3, 5, 7 (so any int has an answer).
inline bool IsSeedPrime(int v)
{
    if (v >= 0 && v < 64) {
        return ((kSeedPrimeMask >> v) & 1U) != 0;
    }
    return IsSeedPrimeSlow(v);
}

constexpr int kWuXingLimit = 36; // the element table covers 1..35

constexpr std::array<std::int8_t, kWuXingLimit> WuXingLookup()
{
    std::array<std::int8_t, kWuXingLimit> lookup{};
    for (auto &slot : lookup) {
        slot = kNoClass;
    }
    for (int element = 0; element < 5; ++element) {
        for (int v : CCalculationUtil::kWuXingRows[static_cast<std::size_t>(element)]) {
            if (v > 0) {
                lookup[static_cast<std::size_t>(v)] = static_cast<std::int8_t>(element);
            }
        }
    }
    return lookup;
}

inline constexpr std::array<std::int8_t, kWuXingLimit> kWuXingOf = WuXingLookup();

inline int WuXingOf(int v, int mode)
{
    if (mode == 1) {
        return v >= 1 && v < kWuXingLimit ? kWuXingOf[static_cast<std::size_t>(v)] : kNoClass;
    }
    return v >= 0 && v <= 9 ? v % 5 : kNoClass;
}

/// v / divisor, or no class for a zero divisor.
inline int QuotientClass(int v, int divisor)
{
    if (divisor == 0 || (v == INT_MIN && divisor == -1)) {
        return kNoClass;
    }
    return v / divisor;
}

/// v % modulus, or no class for a zero modulus.
inline int RemainderClass(int v, int modulus)
{
    if (modulus == 0 || (v == INT_MIN && modulus == -1)) {
        return kNoClass;
    }
    return v % modulus;
}

/// The area digit 0, 1, 2 of three areas of the given width; a number past the third area
/// still belongs to it.
inline int AreaClass(int v, int width)
{
    if (width == 0) {
        return kNoClass;
    }
    if (v == INT_MIN || (width == -1 && v == INT_MIN + 1)) {
        // v - 1 or its quotient would leave int: only these take the wide division.
        long long area = (static_cast<long long>(v) - 1) / width;
        return static_cast<int>(std::clamp<long long>(area, INT_MIN, 2));
    }
    int area = (v - 1) / width;
    return area > 2 ? 2 : area;
}

/// Three-area bucket 0, 1, 2 by comparison (no division): the rule of ThreeAreaRate.
inline int AreaBucket(int v, int width)
{
    if (v <= width) {
        return 0;
    }
    // 2 × width in 64 bits: a huge width must not wrap.
    return static_cast<long long>(v) <= 2LL * width ? 1 : 2;
}

/// Decimal digits of v appended to a text sink (std::wstring or ClassText), no allocation.
template <class Sink> void AppendDecimal(Sink &out, int v)
{
    wchar_t digits[12];
    int length = 0;
    auto magnitude = static_cast<unsigned int>(v);
    if (v < 0) {
        magnitude = 0U - magnitude;
    }
    do {
        digits[length++] = static_cast<wchar_t>(L'0' + magnitude % 10U);
        magnitude /= 10U;
    } while (magnitude != 0U);
    if (v < 0) {
        out.push_back(L'-');
    }
    while (length > 0) {
        out.push_back(digits[--length]);
    }
}

/// Numbers 0..9 written with a leading "0" when pad is 1, as the pages show balls.
template <class Sink> void AppendBall(Sink &out, int v, int pad)
{
    if (pad == 1 && v >= 0 && v < 10) {
        out.push_back(L'0');
    }
    AppendDecimal(out, v);
}

} // namespace calculation::detail
