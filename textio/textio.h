#pragma once
// Formatted text I/O: numbered file units with their buffers, write
// statements driven by record formats, the rendering of numbers into their
// fields, and the free-form (list-directed) reading of values.

#include "textio/format/write_statement.h"
#include "textio/listread/list_read.h"
#include "textio/render/render.h"
#include "textio/units/unit.h"
