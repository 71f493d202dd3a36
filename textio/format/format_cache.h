#pragma once
// The compiled forms of the last few record formats, keyed by their text:
// the program writes thousands of lines with a handful of formats. A syntax
// error is part of the compiled form, so it is still raised at the faulty
// item when the form is reused.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "textio/format/format_code.h"
#include "textio/format/format_program.h"

namespace textio::format {

struct CompiledFormat {
    std::string text;
    std::vector<unsigned char> code;
    std::vector<ProgramStep> steps;
    std::uint64_t last_use = 0;  // 0: empty
    int users = 0;               // active statements executing it: not to be replaced
};

class FormatCache {
public:
    // The compiled form of `text`, held until release; nullptr when every
    // entry is held by an active statement.
    CompiledFormat* acquire(std::string_view text)
    {
        ++clock_;
        CompiledFormat* oldest = nullptr;
        for (CompiledFormat& entry : entries_) {
            if (entry.last_use != 0 && entry.text.size() == text.size() &&
                std::memcmp(entry.text.data(), text.data(), text.size()) == 0) {
                entry.last_use = clock_;
                ++entry.users;
                return &entry;
            }
            if (entry.users == 0 && (oldest == nullptr || entry.last_use < oldest->last_use)) oldest = &entry;
        }
        if (oldest == nullptr) return nullptr;
        oldest->code.clear();
        oldest->steps.clear();
        compile_format(text.data(), static_cast<std::ptrdiff_t>(text.size()), oldest->code);
        decode_program(oldest->code.data(), oldest->steps);
        oldest->text.assign(text.data(), text.size());
        oldest->last_use = clock_;
        oldest->users = 1;
        return oldest;
    }

    static void release(CompiledFormat* entry)
    {
        if (entry != nullptr) --entry->users;
    }

private:
    std::array<CompiledFormat, 8> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace textio::format
