#include "settings/system_service.h"

#include "basekit/text_convert.h"

namespace qel {

CSystemService::CSystemService(const basekit::TextMap &settings)
{
    auto path = settings.find(L"sysDb");
    if (path != settings.end()) {
        dao_.openDb(basekit::CStrW2CStrA(path->second).c_str());
    }
}

CSystemService::~CSystemService()
{
    dao_.closeDb();
}

} // namespace qel
