#pragma once
// Gathering the token of one value from the bytes of the records.

#include "textio/listread/byte_source.h"
#include "textio/listread/token.h"

namespace textio::listread {

// Gathers the next value's token into state.token, or reuses the held token
// while a repeat count lasts. Returns 0, or the error number: 6501 when the
// data end while a value is sought, 6502 and 6503 for repeat counts, 6508 for
// a token longer than token_capacity, or a conversion error of the count.
int gather_token(ByteSource& source, GatherState& state);

// Skips the rest of the current record, up to and including its line feed.
void skip_rest_of_record(ByteSource& source);

}  // namespace textio::listread
