#pragma once
// Where the token gatherer takes its bytes: a unit's buffer in the program,
// a text in memory in the tests.

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

}  // namespace textio::listread
