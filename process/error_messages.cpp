// The short message of every run-time error number.
//
// Numbers 6100 to 6104 are shared: with the letter F they are conversion
// errors of the value reader (the messages below); with the letter M they are
// floating-point traps, whose messages are built by the trap report itself.

#include "process/runtime_error.h"

namespace process {

std::string_view error_message(int number)
{
    switch (number) {
    // reading values
    case 6100: return "integer value out of range of its item";
    case 6101: return "character not allowed in an integer";
    case 6102: return "real number too large for an 8-byte real";
    case 6103: return "invalid real number";
    case 6104: return "real number too large for a 4-byte real";
    // floating-point traps that never carry an F
    case 6105: return "floating-point error: underflow";
    case 6106: return "floating-point error: inexact";
    case 6107: return "floating-point error: unknown exception";
    case 6108: return "floating-point error: square root";
    case 6109: return "integer divide by zero";
    case 6110: return "floating-point error: stack overflow";
    case 6111: return "floating-point error: stack underflow";
    // mathematical functions
    case 6201: return "argument outside the domain of a mathematical function";
    case 6202: return "singularity of a mathematical function";
    case 6203: return "result of a mathematical function too large";
    case 6204: return "partial loss of significance in a mathematical function";
    case 6205: return "total loss of significance in a mathematical function";
    // items and formats
    case 6206: return "no real edit descriptor for a real item";
    case 6207: return "no integer edit descriptor for an integer item";
    case 6209: return "file reopened with a different form or access";
    // open and close options, integers with a base, arrays
    case 6300: return "KEEP not allowed for a scratch file";
    case 6301: return "SCRATCH not allowed for a named file";
    case 6302: return "second # in an integer with a base";
    case 6303: return "base of an integer outside 2 to 36";
    case 6304: return "invalid STATUS or disposition value";
    case 6305: return "invalid MODE value";
    case 6306: return "invalid ACCESS value";
    case 6307: return "invalid BLANK value";
    case 6308: return "invalid FORM value";
    case 6309: return "invalid SHARE value";
    case 6311: return "record length required for direct access";
    case 6314: return "unit number outside -32767 to 32767";
    case 6315: return "record length or buffer size not positive";
    case 6316: return "array already allocated";
    // files
    case 6404: return "cannot delete the file";
    case 6405: return "read after the end of file";
    case 6412: return "invalid file name or argument";
    case 6413: return "file already connected to another unit";
    case 6414: return "access to the file denied";
    case 6415: return "file already exists";
    case 6416: return "file not found";
    case 6417: return "too many open files";
    case 6418: return "too many units connected";
    case 6421: return "cannot write: access denied or region locked";
    case 6422: return "cannot write: disk full";
    // reading
    case 6500: return "cannot read the file";
    case 6501: return "end of file during read";
    case 6502: return "repeat count less than 1";
    case 6503: return "second repeat count before the first was used";
    case 6504: return "value of the wrong form for its item";
    case 6506: return "complex value without a comma";
    case 6507: return "logical value not beginning with T or F";
    case 6508: return "value too long in list-directed input";
    // memory and arrays
    case 6772: return "not enough memory for the array";
    case 6776: return "array not allocated";
    case 6779: return "array bounds invalid: N must be at least 2 and nt at least 1";
    case 6793: return "invalid POSITION value";
    case 6794: return "invalid ACTION value";
    case 6796: return "invalid DELIM value";
    case 6798: return "invalid PAD value";
    case 6799: return "invalid CARRIAGECONTROL value";
    // record formats
    case 6971: return "d greater than w in an EN or ES edit descriptor";
    case 6972: return "exponent width 0 in an EN or ES edit descriptor";
    case 6980: return "number missing in the format";
    case 6981: return "format not beginning with (";
    case 6982: return "zero tab position or sign without P in the format";
    case 6983: return "repeat count not allowed for this format item";
    case 6984: return "number missing before H or P in the format";
    case 6986: return "format groups nested deeper than 16";
    case 6987: return ".d missing in an E, F, D or G edit descriptor";
    case 6988: return "format text ended before its closing parenthesis";
    case 6989: return "character not allowed in the format";
    case 6990: return "m greater than w in an integer edit descriptor";
    case 6991: return "number too large in the format";
    default: return {};
    }
}

}  // namespace process
