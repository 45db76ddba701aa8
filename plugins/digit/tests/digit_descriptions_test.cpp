// Every digit game's description against itself: the result grid offers on a play type's rows only
// searches the game answers (a name it does not know answers an empty list), and a run of another
// castType plays one of the game's play types.
#include <gtest/gtest.h>

#include <algorithm>

#include "basekit/text_convert.h"
#include "digit_descriptions.h"

namespace {

using plugins::digit::DigitGame;
using plugins::digit::PlayType;
using plugins::digit::SearchType;

bool Answers(const DigitGame &game, const std::wstring &search)
{
    return std::ranges::any_of(game.searches, [&](const SearchType &s) { return s.name == search; });
}

TEST(DigitDescriptions, EveryPlayTypeOffersOnlySearchesTheGameAnswers)
{
    for (const auto description : plugins::digit::kDescriptions) {
        const DigitGame &game = description();
        for (const PlayType &type : game.playTypes) {
            EXPECT_FALSE(type.searches.empty()) << basekit::CStrW2CStrA(game.key + L" " + type.name);
            for (const std::wstring &search : type.searches) {
                EXPECT_TRUE(Answers(game, search)) << basekit::CStrW2CStrA(game.key + L" " + search);
            }
        }
        if (!game.otherPlayTypes.generatedAs.empty()) {
            EXPECT_NE(game.FindPlayType(game.otherPlayTypes.generatedAs), nullptr)
                << basekit::CStrW2CStrA(game.key);
        }
    }
}

} // namespace
