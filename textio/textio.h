#pragma once
// Formatted text I/O: numbered file units with their buffers, write
// statements driven by record formats, number rendering and the free-form
// (list-directed) reading of values.
