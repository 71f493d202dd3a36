#pragma once
// Storing a gathered token into an item of its type.

#include <cstddef>

#include "process/error_numbers.h"
#include "textio/listread/list_read.h"
#include "textio/listread/token.h"

namespace textio::listread {

// Converts `token` and stores it at `address` (an element of `type`;
// `character_length` bytes for a character element). A null token stores
// nothing; on an error nothing is stored either. Returns no_error or the
// error.
process::RuntimeError store_token(const Token& token, void* address, ReadItemType type, std::size_t character_length);

}  // namespace textio::listread
