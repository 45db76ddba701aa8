/// \file
/// \brief The choices a row of a digit game can give, for its condition panels: the codes of its
/// repeats and runs, its AC values, the splits of its positions into classes, the patterns of its
/// positions. Each is found by going through every multiset of the game's digits.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "digit/common/digit_game.h"

namespace plugins::digit::panels {

using Row = std::vector<int>;

extern const std::set<int> kPrimes;    ///< the prime digits of the class rules (composite: the others)
extern const char *const kChinese[11]; ///< the numerals 0-10 of the panels' texts

std::string Str(int value);
std::string Join(const std::vector<std::string> &parts, const std::string &separator = ",");

/// The game's digits, ascending.
std::vector<int> Digits(const DigitGame &d);
/// Every multiset of the game's digits of its positions, digits ascending.
void ForEachMultiset(const DigitGame &d, const std::function<void(const Row &)> &visit);
/// The group code of groups of these sizes (2 and more): per size ascending, count then size.
int GroupCode(const std::vector<int> &sizes);
/// "二同号", "两组二同号", "二同号+三同号" for the codes 12, 22, 1213 ("无" for 0).
std::string GroupLabel(int code, const std::string &word);
/// The group codes of the repeated digits the rows of the game give.
std::set<int> RepeatCodes(const DigitGame &d);
/// The choices "code=label" of the codes.
std::string CodeOptions(const std::set<int> &codes, const std::function<std::string(int)> &label);
/// The choices of a repeated digit: none ("-1") or one of the game's digits.
std::string RepeatedDigitOptions(const DigitGame &d, const std::string &none);
/// The consecutive-digit value of a row: steps of one among its distinct digits (three positions),
/// else the group code of its runs of two or more.
int RunCode(const Row &row, int k);
std::set<int> AcValues(const DigitGame &d);
/// Choices "code=a:b[:c]" of the splits of the positions into the classes that a row can give.
std::string RatioOptions(const DigitGame &d, int classes, const std::function<int(int)> &classify);
/// The largest sum of the positions' digits of the class.
int SumRange(const DigitGame &d, const std::function<bool(int)> &member);
/// Every pattern of the positions over the classes, first position first; classes of two are
/// named ("0101=小大小大").
std::string Patterns(const DigitGame &d, const std::vector<std::string> &names);

} // namespace plugins::digit::panels
