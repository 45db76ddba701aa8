// Build step: writes the settings database's "products" rows from the program's game table, so
// that the product list offers exactly the games the plug-in host knows, under the plug-in files
// it loads.
//   qel-products-sql <output.sql>
#include <sstream>

#include "basekit/text_convert.h"
#include "calculation/game_table.h"
#include "sql_text.h"

namespace {

using qel::db_tools::Quoted;

void WriteRow(std::ostream &out, const calculation::GameInfo &g)
{
    const std::string key = basekit::CStrW2CStrA(g.key);
    const calculation::ProductInfo &p = g.product;
    const int inUse = g.delivered ? 1 : 0;
    out << "    (" << p.id << ", " << Quoted(basekit::CStrW2CStrA(calculation::LotteryCategory(g))) << ", "
        << Quoted(key) << ", " << Quoted(p.name) << ", " << Quoted(p.area) << ", " << Quoted(p.version)
        << ", " << Quoted(p.flag) << ", " << Quoted(calculation::KindName(g.kind)) << ", " << Quoted(g.plugin)
        << ", " << Quoted(p.released) << ", " << inUse << ", " << inUse << ", " << p.id << ", "
        << (p.hot ? 1 : 0) << ")";
}

} // namespace

int main(int argc, char **argv)
{
    std::ostringstream head;
    head << "-- Generated from the program's game table (calculation/src/game_table.cpp); do not edit.\n"
         << "-- The games: every game key of the table. A game whose plug-in is delivered is enabled\n"
         << "-- (isUse 1) and available (abled 1); the others are present but disabled (0, 0).\n"
         << "-- lotteryCategory is the key and the flag; category the game's kind.\n\n"
         << "INSERT INTO products (id, lotteryCategory, productName, productCnName, area, version, flag, "
            "category,\n                      pluginName, releaseDate, isUse, abled, sort, isHot) VALUES\n";
    return qel::db_tools::WriteGameRows(argc, argv, "qel-products-sql <output.sql>", head.str(), WriteRow);
}
