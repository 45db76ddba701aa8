/// \file
/// \brief The prize check of a bet against a real draw, and the betting budget against an
/// imaginary one built from the bet.
#pragma once

#include <string>
#include <vector>

#include <json/value.h>

#include "dataservice/data_service_client.h"
#include "filter/filter_context.h"

namespace qel {

/// The number no game draws; it fills the places of an imaginary draw that no bet number takes.
inline constexpr int kFillerNumber = 100;

/// "zjCheck": the bet ("redStr", "blueStr") against the draw "qiHao" of "lotteryCategory".
std::wstring OnZjCheck(DataServiceClient &service, CFilterContext &filter, const Json::Value &request);
/// "touZhuYuSuan": the bet against a draw that holds "zhongRedNum" of its front numbers and
/// "zhongBlueNum" of its back numbers ("lotNum" and "backLotNum" numbers drawn).
std::wstring OnTouZhuYuSuan(DataServiceClient &service, CFilterContext &filter, const Json::Value &request);

/// The imaginary draw: the first hitFront front numbers, fillers up to drawFront; then the first
/// hitBack back numbers, fillers up to drawBack. A game whose special number comes from the front
/// pool (specialFromFront) takes it from the front numbers after those already drawn, so no
/// number is drawn twice. The counts must fit the lists (ImaginaryDrawError says whether they do).
std::wstring ImaginaryDraw(const std::vector<std::wstring> &front, const std::vector<std::wstring> &back,
                           int hitFront, int hitBack, int drawFront, int drawBack, bool specialFromFront);

} // namespace qel
