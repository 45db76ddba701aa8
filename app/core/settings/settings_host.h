/// \file
/// \brief What the settings services need of the window layer.
///
/// The desktop shell implements it over its windows; the tests use a fake.
#pragma once

#include <string>

namespace qel {

/// A rectangle in screen pixels; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    /// The main window's rectangle as it stands.
    virtual ScreenRect MainWindowRect() = 0;
    /// The desktop's work area (the screen less panels and docks).
    virtual ScreenRect WorkAreaRect() = 0;
    /// Shows the message and ends the program at once with the given (non-zero) status. In the
    /// program it does not return; a fake that returns lets the caller answer an error instead.
    virtual void FatalExit(const std::wstring &message, int status) = 0;
};

} // namespace qel
