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

namespace textio::format {

class FormatCache {
public:
    // Appends the compiled form of `text` to `code`.
    void compile(std::string_view text, std::vector<unsigned char>& code)
    {
        ++clock_;
        Entry* oldest = &entries_[0];
        for (Entry& entry : entries_) {
            if (entry.last_use != 0 && entry.text.size() == text.size() &&
                std::memcmp(entry.text.data(), text.data(), text.size()) == 0) {
                entry.last_use = clock_;
                code.insert(code.end(), entry.code.begin(), entry.code.end());
                return;
            }
            if (entry.last_use < oldest->last_use)
                oldest = &entry;
        }
        const std::size_t start = code.size();
        compile_format(text.data(), static_cast<std::ptrdiff_t>(text.size()), code);
        oldest->text.assign(text.data(), text.size());
        oldest->code.assign(code.begin() + static_cast<std::ptrdiff_t>(start), code.end());
        oldest->last_use = clock_;
    }

private:
    struct Entry {
        std::string text;
        std::vector<unsigned char> code;
        std::uint64_t last_use = 0;  // 0: empty
    };
    std::array<Entry, 8> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace textio::format
