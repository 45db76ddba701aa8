/// \file
/// \brief Dictionaries, condition tips and explanations for the pages.
#pragma once

#include <string>

#include <json/value.h>

#include "settings/settings_context.h"

namespace qel {

/// "GetDict": dictCode to dictName of the dictionaries of the game "productName" (and of all
/// games), as one flat object.
std::wstring OnGetDict(SettingsContext &context, const Json::Value &request);
/// "GetTip": explanation, example and remarks of the condition "id".
std::wstring OnGetTip(SettingsContext &context, const Json::Value &request);
/// "GetIndexExplanation": the explanations of the game "productName" for the play type
/// "castType".
std::wstring OnGetIndexExplanation(SettingsContext &context, const Json::Value &request);

} // namespace qel
