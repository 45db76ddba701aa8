/// \file
/// \brief A digit game described as data: everything the digit family's chain and stages read
/// to play it. A game's folder holds its description, the little that is truly its own, and the
/// plug-in's exports.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation/history/history_types.h"

namespace plugins::digit {

using calculation::EqualSumRanges;

/// How many times each distinct digit of a row occurs, largest first: {2, 1} is a pair and a
/// single, {1, 1, 1} three different digits, {3} a triple.
using Multiplicities = std::vector<int>;

/// A play type ("castType"): straight, every row in its order, or groups, every set of digits of
/// one of its shapes once, its digits ascending.
struct PlayType {
    std::wstring name;
    std::vector<Multiplicities> shapes; ///< empty: straight
    /// The searches of the game (DigitGame::searches) that the result grid offers on this play
    /// type's rows, in the order the grid lists them; "all" comes with every play type.
    std::vector<std::wstring> searches = {};
    bool straight() const { return shapes.empty(); }
};

/// A value of a row that a first-stage test looks up in its condition's numbers.
enum class RowValue {
    QuarterOfThousand,         ///< (100 d1 + 10 d2 + d3) / 250: which quarter of 000-999
    FirstDigit,                ///< the first position's digit
    DiceBand,                  ///< the band of 100 d1 + 10 d2 + d3: up to 221, 332, 443, below 555, above
    DistinctDigits,            ///< how many different digits the row holds
    RepeatedDigitOfFirstThree, ///< the digit repeated among the first three positions, or -1
};

/// A first-stage test of a game's own: the condition under key must hold value of the row.
struct MemberTest {
    std::wstring key;
    RowValue value;
};

/// How the last stage rules out past draws.
enum class RuleOut {
    None,
    StraightOrGroup,      ///< a draw equal to the row, by position or in any order (the mode says which)
    SharedDistinctDigits, ///< how many of the row's distinct digits a draw holds is a chosen count
    SharedNumbers,        ///< how many of the row's numbers (repeats counted) a draw holds is a chosen count
};

/// What a search keeps of a result row.
enum class SearchTest {
    Any,
    Shape,          ///< the row's multiplicities are the entry's shape
    DistinctDigits, ///< the row holds the entry's count of different digits
    NotAllEqual,
    Consecutive, ///< two of its digits follow each other (1 and 2)
    NotConsecutive,
    Repeat, ///< a digit occurs twice or more
    NoRepeat,
    Nothing,
};

/// Which rows a search puts into the search list for a kept result row.
enum class SearchRows {
    AsStored,          ///< the result row itself
    OnePerSetAsStored, ///< the result row, unless one with the same digits in any order came before
    OnePerSetSorted,   ///< a new row of its digits ascending, once per set of digits
    EveryOrdering,     ///< every distinct ordering of its digits, as new rows
};

struct SearchType {
    std::wstring name;
    SearchTest test = SearchTest::Nothing;
    Multiplicities shape = {}; ///< for SearchTest::Shape
    int count = 0;             ///< for SearchTest::DistinctDigits
    SearchRows rows = SearchRows::AsStored;
};

/// How an old-number entry without commas is read.
enum class OldNumberForm {
    Number, ///< a decimal number of at most the game's positions, padded on the left ("12" is 0 1 2)
    Digits, ///< exactly one digit per position
};

/// The order of the counts after a result page's rows.
enum class TrailerOrder {
    PrimaryTotalFirst, ///< total, primaryTotal, afterFilterLen, cutDownRate
    AfterFilterFirst,  ///< total, afterFilterLen, primaryTotal, cutDownRate
};

/// How a result page shows its rows.
struct PageForm {
    bool rowNumber = true;               ///< rows carry "rowNumber"
    std::wstring digitColor = L"yellow"; ///< the colour of the digits on the red balls
    TrailerOrder trailer = TrailerOrder::PrimaryTotalFirst;
    /// Straight play shows each position's class ("大小大") rather than the class counts; only
    /// games with play types do.
    bool positionTextsInStraightPlay = false;
};

/// A label joined to every bet after its digits (the zodiac sign of a six-digit game): chosen in
/// the base numbers' second area, never tested, shown by its text.
struct BackLabel {
    std::wstring chosenKey = {};          ///< the condition that holds the chosen label numbers
    std::vector<std::wstring> texts = {}; ///< label number 1 is texts[0]
};

/// What a run plays when its "castType" names no play type of the game (a page that sends none,
/// or some other text). Empty names: such a run has no candidates.
struct OtherPlayTypes {
    std::wstring generatedAs = {};  ///< the play type whose candidates a generated run takes
    std::wstring oldNumbersAs = {}; ///< the play type that reads and keeps the old numbers
};

struct DigitGame {
    std::wstring key = {}; ///< the game key
    int positions = 3;     ///< digits per bet
    int lowDigit = 0;      ///< the smallest digit (a die: 1)
    int highDigit = 9;     ///< the largest digit
    int bigStart = 5;      ///< the smallest big digit
    int areaWidth = 3;     ///< the width of each of the three areas
    /// The chain's gameKey (what gameKey() answers) is key; otherwise it stays empty. Nothing
    /// a run, a page or a history table does reads it: the pools come from the game's own keys.
    bool setsChainGameKey = false;
    std::wstring baseKey = L"baseNums";
    std::vector<PlayType> playTypes = {}; ///< none: every run is straight ("castType" is not read)
    OtherPlayTypes otherPlayTypes = {};
    BackLabel label = {}; ///< no texts: the game has no label
    bool erMa = true;     ///< the first stage tests the two-digit codes "erMa"
    std::vector<MemberTest> primaryTests = {};
    bool repeatTests = false; ///< the last stage tests "chongMa" and "chongMaNum"
    RuleOut ruleOut = RuleOut::None;
    OldNumberForm oldNumberForm = OldNumberForm::Digits;
    /// Old numbers count only their distinct candidates in primaryTotal, not every entry.
    bool oldTotalCountsCandidates = false;
    std::vector<SearchType> searches = {};
    PageForm page = {};
    std::wstring separator = {};  ///< between the numbers of a saved row ("" runs digits together)
    bool callerSeparator = false; ///< the saved rows use the separator the save asks for instead
    int cap = 0; ///< the most rows a run stores, the survivors counted in afterFilterLen; 0: no cap
    /// The columns of the sum table of its history tables (the settings database's columns are
    /// written from them too); none: the game charts sums its own way or has no sum table.
    std::vector<calculation::SumRange> sumRanges = {};

    bool hasLabel() const { return !label.texts.empty(); }
    /// The play type of that name, or the straight one of a game without play types. A name the
    /// game does not know gives null.
    const PlayType *FindPlayType(std::wstring_view name) const;
    /// The play type a run of that name plays: the named one, else the one otherPlayTypes gives
    /// for the run's source; null when the run has no candidates.
    const PlayType *PlayTypeOfRun(std::wstring_view name, bool oldNumbers) const;
};

/// The multiplicities of the row's digits, largest first.
Multiplicities MultiplicitiesOf(const int *row, int length);
/// How many sets of digits of the shape n different digits give (a pair and a single: n (n - 1)).
long long GroupsOfShape(const Multiplicities &shape, int n);

/// The searches every game with group play types offers, derived from them: per group type its
/// groups ("zuLiu"), its rows in any order ("zuLiuZhiXuan") and every ordering ("zuLiuToZhiXuan"),
/// then the triples ("baoZi") and one row per set ("zhiXuanToZuXuan").
std::vector<SearchType> PlayTypeSearches(const std::vector<PlayType> &playTypes, int positions);
/// The play types with the searches of PlayTypeSearches each offers: straight play those that keep
/// or group its rows by a group type's shape, and a triple and all groups; a group type of one shape
/// its rows in every order.
std::vector<PlayType> WithPlayTypeSearches(std::vector<PlayType> playTypes);
/// The searches of the games without play types: runs and repeats of the sorted digits.
std::vector<SearchType> RunAndRepeatSearches();

} // namespace plugins::digit
