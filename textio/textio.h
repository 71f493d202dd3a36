#pragma once
// Formatted text I/O: numbered file units with their buffers, write
// statements driven by record formats, the rendering of numbers into their
// fields, and the free-form (list-directed) reading of values.
//
// The layer is a general run-time library: its public interface is wider
// than what this program calls. The program writes its report and plot files
// with integer and real items (format_write_begin with no flags), opens and
// closes units with no options, and reads dados.txt with list_read_integer4
// and list_read_real8. The rest is kept and public as the runtime's
// interface, for any program written against it:
//
// - reading: list_read_item with every ReadItemType and its typed forms
//   (list_read_integer1/2, list_read_logical1/2/4, list_read_real4,
//   list_read_complex8/16, list_read_character, the array forms), the
//   statement options of ListReadOptions (status, error and end-of-file
//   returns) and default_input_unit;
// - writing: the flags format_write_error_return and
//   format_write_non_advancing;
// - rendering: render_logical and render_characters, the L and A fields;
// - units: the specifiers of OpenOptions and unit_error_return for
//   unit_open, the disposition of unit_close, and unit_put.

#include "textio/format/write_statement.h"
#include "textio/listread/list_read.h"
#include "textio/render/render.h"
#include "textio/units/unit.h"
