#pragma once
// The bytes of a text held by the caller, as the token gatherer takes a
// unit's bytes.

#include <cstddef>
#include <string_view>

#include "textio/listread/byte_source.h"

namespace testing_support {

class TextByteSource final : public textio::listread::ByteSource {
public:
    explicit TextByteSource(std::string_view text) : text_(text) {}
    int read_byte() override
    {
        if (next_ == text_.size()) {
            at_end_ = true;
            return -1;
        }
        return static_cast<unsigned char>(text_[next_++]);
    }
    void unread_byte() override
    {
        if (at_end_)
            at_end_ = false;
        else if (next_ > 0)
            --next_;
    }
    std::size_t position() const { return next_; }

private:
    std::string_view text_;
    std::size_t next_ = 0;
    bool at_end_ = false;
};

}  // namespace testing_support
