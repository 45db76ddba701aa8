/// \file
/// \brief A window's settings service: its access object and its attempt counters.
#pragma once

#include "basekit/row_types.h"
#include "settings/system_dao.h"

namespace qel {

class CSystemService {
public:
    /// Opens the access object on the settings value "sysDb" (the settings-database path). A
    /// database that does not open leaves the service without one: its queries answer nothing.
    explicit CSystemService(const basekit::TextMap &settings);
    ~CSystemService();
    CSystemService(const CSystemService &) = delete;
    CSystemService &operator=(const CSystemService &) = delete;

    CSystemDao &dao() { return dao_; }
    /// Closes the connection (the window's OK and cancel actions).
    void Close() { dao_.closeDb(); }

    /// "logIn" and "changePassword" calls of this window's life.
    int &logInCount() { return logInCount_; }
    int &changePasswordCount() { return changePasswordCount_; }

private:
    int logInCount_ = 0;
    int changePasswordCount_ = 0;
    CSystemDao dao_;
};

} // namespace qel
