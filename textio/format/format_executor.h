#pragma once
// Execution of a compiled record format with the items of a statement.

#include "textio/format/format_steps.h"
#include "textio/format/record_emitter.h"

namespace textio::format {

// Walks the steps of `format` with the items (ItemCursor layout), placing
// the records on `out`. Returns no_error, or the error at which execution
// stopped (the records before it are placed). `advance` is cleared when the
// format ends the statement with "$".
process::RuntimeError execute_format(const CompiledFormat& format, const unsigned char* items, RecordEmitter& out,
                                     bool& advance);

}  // namespace textio::format
