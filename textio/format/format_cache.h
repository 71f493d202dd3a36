#pragma once
// The compiled forms of the last few record formats, keyed by their text:
// the program writes thousands of lines with a handful of formats. A syntax
// error is part of the compiled form, so it is still raised at the faulty
// item when the form is reused.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "textio/format/format_steps.h"

namespace textio::format {

struct CachedFormat {
    std::string text;
    CompiledFormat compiled;
    std::uint64_t last_use = 0;
    int users = 0;  // active statements executing it: not to be replaced
};

class FormatCache {
public:
    // The compiled form of `text`, held until release. Up to eight forms are
    // kept; then the least recently used one not held is replaced. Only while
    // every form is held by a statement begun inside another one does the
    // cache grow.
    CachedFormat& acquire(std::string_view text)
    {
        ++clock_;
        CachedFormat* oldest = nullptr;
        for (const std::unique_ptr<CachedFormat>& entry : entries_) {
            if (entry->text == text) {
                entry->last_use = clock_;
                ++entry->users;
                return *entry;
            }
            if (entry->users == 0 && (oldest == nullptr || entry->last_use < oldest->last_use)) oldest = entry.get();
        }
        if (oldest == nullptr || entries_.size() < kept_forms)
            oldest = entries_.emplace_back(std::make_unique<CachedFormat>()).get();
        compile_format(text, oldest->compiled);
        oldest->text.assign(text);
        oldest->last_use = clock_;
        oldest->users = 1;
        return *oldest;
    }

    static void release(CachedFormat& entry) { --entry.users; }

private:
    static constexpr std::size_t kept_forms = 8;
    std::vector<std::unique_ptr<CachedFormat>> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace textio::format
