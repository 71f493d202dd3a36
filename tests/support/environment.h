#pragma once
// Environment variables changed for a test and given back after it (the
// suites of POSIX systems).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// Every variable set or removed through it has its former value again (or
// is removed again) when it ends.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value);
    void remove(const std::string& name);
    // The value the variable had before this changed it.
    std::optional<std::string> saved(const std::string& name) const;

private:
    void save(const std::string& name);
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace testing_support
