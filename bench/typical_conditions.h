// Conditions as a player picks them, shared by the benchmarks so that their figures compare.
#pragma once

#include "support/condition_builder.h"

namespace benchsupport {

// Ten conditions as a player picks them for a 7-of-30 game: each keeps the likelier values, so
// together they narrow the candidates the way a real selection does, and most candidates leave
// after the first few tests.
inline testsupport::ConditionMap TypicalSelection(testsupport::ConditionMap m)
{
    m.Set(L"kuaDu", testsupport::Range(20, 29))
        .Set(L"heZhi", testsupport::Range(85, 135))
        .Set(L"oddEvenRate", L"25,34,43,52")
        .Set(L"bigSmallRate", L"25,34,43,52")
        .Set(L"zhiHeRate", L"16,25,34,43")
        .Set(L"luShuRate", L"223,232,322,133,313,331,124,142,214,241,412,421")
        .Set(L"threeAreaRate", L"223,232,322,133,313,331,124,142,214,241,412,421")
        .Set(L"acValue", testsupport::Range(10, 21))
        .Set(L"lianMa", L"0,12,22,13")
        .Set(L"tail", L"0,1,2,3,4,5,6,7,8");
    return m;
}

} // namespace benchsupport
