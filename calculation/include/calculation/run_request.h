/// \file
/// \brief One filter run as a chain receives it: the stages' conditions and the run's own values,
/// each read once.
#pragma once

#include <cstddef>
#include <string>

#include "calculation/calculation_export.h"
#include "calculation/data.h"

namespace calculation {

/// Where the rows of a run come from ("dataSource").
enum class RowSource {
    New, ///< generated from the pool ("dataSourceNew", and whatever else is sent)
    Old, ///< the rows listed under "oldNum" ("dataSourceOld")
};

/// A "Filter" request, read where the request arrives and handed to the chain as it is. The stages
/// take their conditions from conditions; the chain reads the values of the run itself here rather
/// than the texts of the conditions again.
struct CALCULATION_EXPORT RunRequest {
    DataMap conditions;
    RowSource source = RowSource::New;
    /// "castType": its first text.
    std::wstring castType;
    /// The entries of "oldNum" that are not empty: one row each, in the order of its texts.
    std::size_t oldEntries = 0;

    /// The request of the conditions given: the run's values read from them.
    static RunRequest Of(DataMap conditions);
};

} // namespace calculation
