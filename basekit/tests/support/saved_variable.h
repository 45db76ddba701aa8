// Test support: an environment variable set for one test and put back afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace basekit::test_support {

// Remembers an environment variable and puts it back.
class SavedVariable {
public:
    explicit SavedVariable(const char *name) : name_(name)
    {
        if (const char *value = std::getenv(name)) {
            value_ = value;
        }
    }
    ~SavedVariable()
    {
        if (value_) {
            setenv(name_, value_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    SavedVariable(const SavedVariable &) = delete;
    SavedVariable &operator=(const SavedVariable &) = delete;

private:
    const char *name_;
    std::optional<std::string> value_;
};

} // namespace basekit::test_support
