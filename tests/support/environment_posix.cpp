#include "support/environment.h"

#include <cstdlib>

namespace testing_support {

ScopedEnvironment::~ScopedEnvironment()
{
    // In reverse: a variable changed twice gets its first value back.
    for (auto entry = saved_.rbegin(); entry != saved_.rend(); ++entry) {
        if (entry->second)
            ::setenv(entry->first.c_str(), entry->second->c_str(), 1);
        else
            ::unsetenv(entry->first.c_str());
    }
}

void ScopedEnvironment::save(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

void ScopedEnvironment::set(const std::string& name, const std::string& value)
{
    save(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::remove(const std::string& name)
{
    save(name);
    ::unsetenv(name.c_str());
}

std::optional<std::string> ScopedEnvironment::saved(const std::string& name) const
{
    for (const auto& [variable, value] : saved_)
        if (variable == name) return value;
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace testing_support
