#pragma once
// Where the token gatherer takes its bytes: a unit's buffer in the program,
// a text in memory in the tests.

#include <cstddef>
#include <string_view>

namespace textio::listread {

class ByteSource {
public:
    // The next byte 0..255, or -1 at the end of the data.
    virtual int read_byte() = 0;
    // Puts the last byte read back (one level).
    virtual void unread_byte() = 0;

protected:
    ~ByteSource() = default;
};

// Bytes of a text held by the caller.
class TextByteSource final : public ByteSource {
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

}  // namespace textio::listread
