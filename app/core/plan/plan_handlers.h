/// \file
/// \brief The betting-plan requests of a pop-up window: "generatePlan" and "savePlan".
///
/// Each works on the plan the window keeps between the two requests.
#pragma once

#include <ctime>
#include <string>

#include <json/value.h>

#include "plan/betting_plan.h"
#include "window/window_system.h"

namespace qel {

/// Reads "oneBonus", "minBonus" and "qiShu" (whole numbers; a missing one is 0), makes the plan,
/// keeps it in plan in place of the last one, and answers its rows as
/// {size:"N",children:[{benQiTouRu:"2",qiHao:"1",rate:"1",revenue:"998",total:"2"},...]}.
/// Inputs that are not whole numbers, amounts beyond 32 bits or more than kMaxPlanDraws draws
/// answer an error and leave the kept plan as it was.
std::wstring OnGeneratePlan(BettingPlan &plan, const Json::Value &request);

/// Saves the kept plan to a file the user picks, stamped with the local time now, and forgets
/// it once it is saved; a cancelled or failed save keeps it.
std::wstring OnSavePlan(BettingPlan &plan, WindowSystem &windows);
/// OnSavePlan at the given local time.
std::wstring OnSavePlan(BettingPlan &plan, WindowSystem &windows, const std::tm &now);

} // namespace qel
