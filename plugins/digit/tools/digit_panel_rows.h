/// \file
/// \brief The base_config rows of one game's condition panels, as SQL: a panel's or condition's
/// fields, its id from the game's range, and the styles every panel of the game shares.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace plugins::digit::panels {

using Optional = std::optional<std::string>;
using Number = std::optional<int>;

/// The fields of a row besides its place (id, parent, name, type, text, tab, order).
struct Fields {
    Number items = {};
    Number begin = {};
    Optional options = {};
    std::string cal = "baoLiu";
    Optional quick = {};
    Number random = {};
    Number cols = {};
    Optional areaText = {};
    Optional cls = {};
    int use = 1;
    Optional explanation = {};
    Optional example = {};
};

/// Collects the rows of one game: panels get ids from its base, conditions from base + 100.
class Panels {
public:
    Panels(std::string game, int ids) : game_(std::move(game)), panelId_(ids), itemId_(ids + 100) {}

    /// A condition of the panel parent, or a panel of its own (no parent) in the order given; its id.
    int Add(Number parent, const std::string &name, const std::string &type, const std::string &text,
            const std::string &tab, int sort, const Fields &f);
    /// A panel, after the panels before it; its id.
    int Panel(const std::string &name, const std::string &type, const std::string &text,
              const std::string &tab, const Fields &f);
    /// The rows and the styles of the game's panels, as SQL statements.
    void Write(std::ostream &out) const;

private:
    std::string game_;
    int panelId_;
    int itemId_;
    int sort_ = 0;
    std::vector<std::string> rows_;
};

} // namespace plugins::digit::panels
