/// \file
/// \brief The product tree, the plug-in list and the switch that enables a product.
#pragma once

#include <filesystem>
#include <string>

#include <json/value.h>

#include "basekit/row_types.h"
#include "settings/settings_context.h"
#include "settings/system_dao.h"

namespace qel {

/// The "lotArea" tree with the products in use: level 1 areas hold their level 2 areas and the
/// products sold in the whole level 1 area; level 2 areas hold level 3 areas; level 3 areas
/// hold their products. The level 1 area "hot" also holds a copy of every product marked
/// isHot, with the extra key "hotCode" "hot". Codes are matched as texts.
basekit::MapList BuildProductTree(CSystemDao &dao);

/// "GetProductList": the product tree.
std::wstring OnGetProductList(SettingsContext &context, const Json::Value &request);

/// "GetPluginList": the products with a plug-in, each with its state as a link that switches it
/// ("已启用(...禁用...)" / "已禁用(...启用...)", or "未安装" when its file is missing from the
/// "Plugin" folder) and its lottery as a name ("福彩", "体彩", "高频").
std::wstring OnGetPluginList(SettingsContext &context, const Json::Value &request);

/// "ChangeState": switches the product "id" on ("isUse" 1) or off (0). "ok" when a product
/// changed, "error" when none did or the request is not one of these.
std::wstring OnChangeState(SettingsContext &context, const Json::Value &request);

/// The plug-in file of a plug-in name below the base directory ("Plugin/Rules-Magic3.so").
std::filesystem::path PluginFilePath(const std::filesystem::path &baseDir, const std::wstring &pluginName);

} // namespace qel
