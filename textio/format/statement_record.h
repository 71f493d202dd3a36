#pragma once
// The statement record: the items of the active write statements, each a
// tag byte naming the value's type and the value copied at the call, the
// items of a statement closed by a zero byte. One process-wide buffer, never shrunk, so the steady
// state allocates nothing.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace textio::format {

// The tag in front of a recorded item of a write statement.
enum WriteItemTag : std::uint8_t {
    item_tag_end = 0,
    item_tag_integer32 = 1,
    item_tag_real64 = 2,
};

class StatementRecord {
public:
    static constexpr std::size_t initial_size = 20000;
    static constexpr std::size_t growth = 20000;
    static constexpr std::size_t reserve_before_append = 1000;

    std::size_t mark() const { return used_; }
    void release(std::size_t mark) { used_ = mark; }
    const unsigned char* at(std::size_t offset) const { return buffer_.data() + offset; }

    void append_integer(std::int32_t value) { append(item_tag_integer32, &value, sizeof value); }
    void append_real(double value) { append(item_tag_real64, &value, sizeof value); }
    void terminate()
    {
        make_room();
        buffer_[used_++] = item_tag_end;
    }

private:
    void make_room()
    {
        if (buffer_.size() - used_ < reserve_before_append)
            buffer_.resize(buffer_.size() + (buffer_.empty() ? initial_size : growth));
    }
    void append(WriteItemTag tag, const void* value, std::size_t size)
    {
        make_room();
        buffer_[used_] = tag;
        std::memcpy(&buffer_[used_ + 1], value, size);
        used_ += 1 + size;
    }

    std::vector<unsigned char> buffer_;
    std::size_t used_ = 0;
};

// Walks the items of one statement.
class ItemCursor {
public:
    explicit ItemCursor(const unsigned char* items) : p_(items) {}
    WriteItemTag tag() const { return static_cast<WriteItemTag>(*p_); }
    bool at_end() const { return *p_ == item_tag_end; }
    std::int32_t integer() const
    {
        std::int32_t value;
        std::memcpy(&value, p_ + 1, sizeof value);
        return value;
    }
    double real() const
    {
        double value;
        std::memcpy(&value, p_ + 1, sizeof value);
        return value;
    }
    void next() { p_ += 1 + (tag() == item_tag_integer32 ? sizeof(std::int32_t) : sizeof(double)); }

private:
    const unsigned char* p_;
};

}  // namespace textio::format
