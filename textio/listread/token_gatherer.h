#pragma once
// Gathering the token of one value from the bytes of the records.

#include "process/error_numbers.h"
#include "textio/listread/byte_source.h"
#include "textio/listread/token.h"

namespace textio::listread {

// Gathers the next value's token into state.token, or reuses the held token
// while a repeat count lasts. Returns no_error, or the error:
// end_of_file_while_reading when the data end while a value is sought,
// repeat_count_below_one and second_repeat_count for repeat counts,
// value_too_long for a token longer than token_capacity, or a conversion
// error of the count.
process::RuntimeError gather_token(ByteSource& source, GatherState& state);

// Skips the rest of the current record, up to and including its line feed.
void skip_rest_of_record(ByteSource& source);

}  // namespace textio::listread
