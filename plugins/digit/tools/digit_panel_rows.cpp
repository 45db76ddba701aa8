#include "digit_panel_rows.h"

#include "digit_panel_choices.h"

namespace plugins::digit::panels {
namespace {

// A value as an SQL literal: NULL, a number or a quoted text.
std::string Sql(const Optional &value)
{
    if (!value) {
        return "NULL";
    }
    std::string out = "'";
    for (char c : *value) {
        out += c == '\'' ? "''" : std::string(1, c);
    }
    return out + "'";
}
std::string Sql(const Number &value)
{
    return value ? Str(*value) : "NULL";
}

} // namespace

int Panels::Add(Number parent, const std::string &name, const std::string &type, const std::string &text,
                const std::string &tab, int sort, const Fields &f)
{
    const int id = parent ? ++itemId_ : ++panelId_;
    rows_.push_back("    (" +
                    Join({Str(id),         Sql(parent), Sql(game_),   Sql(name),          Sql(type),
                          Sql(text),       Sql(tab),    Str(sort),    Sql(f.items),       Sql(f.begin),
                          Sql(f.options),  Sql(f.cal),  Sql(f.quick), Sql(f.random),      Sql(f.cols),
                          Sql(f.areaText), Sql(f.cls),  Str(f.use),   Sql(f.explanation), Sql(f.example)},
                         ", ") +
                    ")");
    return id;
}

int Panels::Panel(const std::string &name, const std::string &type, const std::string &text,
                  const std::string &tab, const Fields &f)
{
    return Add(std::nullopt, name, type, text, tab, ++sort_, f);
}

void Panels::Write(std::ostream &out) const
{
    const std::string &key = game_;
    out << "-- Condition panels of the digit game \"" << key << "\".\n"
        << "INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, "
           "sort, "
           "itemsNumber, optionBegin, options, calType, quickSelect, randomMaxNum, colNum, areaText, "
           "classification, use, explanation, example) VALUES\n"
        << Join(rows_, ",\n") << ";\n"
        << "UPDATE base_config SET ballPanelCss = 'ballPanel', bgSuffixForXp = '_xp' WHERE productName = "
           "'"
        << key << "' AND type = 'ball';\n"
        << "UPDATE base_config SET titleCss = 'componentTitle' WHERE productName = '" << key
        << "' AND parentId IS NULL;\n"
        << "UPDATE base_config SET titleCss = 'itemTitle' WHERE productName = '" << key
        << "' AND parentId IS NOT NULL;\n"
        << "UPDATE base_config SET css = 'component-' || type WHERE productName = '" << key << "';\n"
        << "UPDATE base_config SET remarks = "
           "'勾选“容错”后，不满足该条件的号码计入容错数，不超过最大容错数时保留。'\n"
        << "    WHERE productName = '" << key << "' AND use = 1;\n\n";
}

} // namespace plugins::digit::panels
