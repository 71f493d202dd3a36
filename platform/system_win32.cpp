// The process calls of the platform layer on Windows (x86-64).

#include <windows.h>

#include <xmmintrin.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/system.h"

namespace platform {

// ---- process exit ----

// The C runtime's exit runs the exit routines and its clean-up, then ends
// the process by ExitProcess.
void process_exit(int status) { std::exit(status); }

void process_exit_at_once(int status) { std::_Exit(status); }

bool install_exit_routine(void (*routine)()) { return std::atexit(routine) == 0; }

// ---- standard error and the console ----

namespace {

HANDLE standard_handle(int number)
{
    return GetStdHandle(number == 0 ? STD_INPUT_HANDLE : number == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool output_failed = false;
// Something has been written to a console: a window closing with the
// process would take it away unread. Also set from the progress thread.
std::atomic<bool> console_written = false;

bool is_console(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Binary: the bytes as they are, CR LF included, nothing translated. False
// when not every byte could be written.
bool write_all(HANDLE handle, std::string_view bytes)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;  // nowhere to say it
    if (!bytes.empty() && is_console(handle)) console_written = true;
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD part = bytes.size() < 0x10000 ? static_cast<DWORD>(bytes.size()) : 0x10000;
        if (!WriteFile(handle, bytes.data(), part, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

void occupy_closed_standard_handles()
{
    // A handle the starter left closed is none at all, or a value that
    // names nothing in this process and that a file opened later could take.
    for (const DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE handle = GetStdHandle(which);
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE &&
            (GetFileType(handle) != FILE_TYPE_UNKNOWN || GetLastError() == NO_ERROR))
            continue;
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        const HANDLE null_device =
            CreateFileA("NUL", which == STD_INPUT_HANDLE ? GENERIC_READ : GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (null_device != INVALID_HANDLE_VALUE) SetStdHandle(which, null_device);
    }
}

void standard_error_write(std::string_view bytes) { write_all(standard_handle(2), bytes); }

bool standard_handle_is_console(int handle)
{
    const HANDLE standard = standard_handle(handle);
    return standard != nullptr && standard != INVALID_HANDLE_VALUE && GetFileType(standard) == FILE_TYPE_CHAR;
}

void console_write(std::string_view bytes)
{
    if (!write_all(standard_handle(1), bytes)) output_failed = true;
}

bool standard_output_failed() { return output_failed; }

namespace {

constexpr std::size_t text_piece = 512;

bool is_utf8_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

// The longest start of `text`, at most `limit` bytes, that does not end
// inside the bytes of one character.
std::size_t whole_characters(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit) return text.size();
    std::size_t end = limit;
    while (end > limit - 4 && is_utf8_continuation(text[end])) --end;
    return end;
}

// A console shows characters, not bytes: the text goes to it in UTF-16, so
// that it reads right whatever the console's code page. A file or a pipe
// gets UTF-8 with CR LF line ends. In pieces on the stack, without the heap.
bool write_text(HANDLE handle, std::string_view text)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
    const bool console = is_console(handle);
    if (console && !text.empty()) console_written = true;
    char before = '\0';
    while (!text.empty()) {
        const std::size_t piece = whole_characters(text, text_piece);
        if (console) {
            wchar_t wide[text_piece];
            const int count = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(piece), wide,
                                                  static_cast<int>(text_piece));
            DWORD written = 0;
            if (count <= 0 || !WriteConsoleW(handle, wide, static_cast<DWORD>(count), &written, nullptr)) return false;
        } else {
            char bytes[2 * text_piece];
            std::size_t size = 0;
            for (const char c : text.substr(0, piece)) {
                if (c == '\n' && before != '\r') bytes[size++] = '\r';
                bytes[size++] = c;
                before = c;
            }
            if (!write_all(handle, std::string_view(bytes, size))) return false;
        }
        text.remove_prefix(piece);
    }
    return true;
}

}  // namespace

void console_write_text(std::string_view utf8)
{
    if (!write_text(standard_handle(1), utf8)) output_failed = true;
}

void standard_error_write_text(std::string_view utf8) { write_text(standard_handle(2), utf8); }

namespace {

const char* keep_open_prompt = nullptr;

// Exit routine: the console is this process's alone when its process list
// holds this process only (a command prompt, a script or a parent program
// would be in it too).
void keep_console_open()
{
    if (!console_written || keep_open_prompt == nullptr) return;
    for (int number = 0; number <= 2; ++number)
        if (!is_console(standard_handle(number))) return;
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) != 1) return;
    const HANDLE input = standard_handle(0);
    // Keys pressed while the program ran do not count as the answer.
    FlushConsoleInputBuffer(input);
    write_text(standard_handle(2), std::string("\n") + keep_open_prompt);
    wchar_t typed[64];
    DWORD got = 0;
    while (ReadConsoleW(input, typed, 64, &got, nullptr) && got > 0)
        for (DWORD i = 0; i < got; ++i)
            if (typed[i] == L'\r' || typed[i] == L'\n') return;
}

}  // namespace

void console_keep_open_at_exit(const char* prompt)
{
    if (keep_open_prompt == nullptr) std::atexit(&keep_console_open);
    keep_open_prompt = prompt;
}

// Arguments come in the system's ANSI code page.
std::string argument_text(const char* argument)
{
    const int wide_length = MultiByteToWideChar(CP_ACP, 0, argument, -1, nullptr, 0);
    if (wide_length <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argument, -1, wide.data(), wide_length);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

// ---- floating-point control ----

namespace {

// MXCSR of the SSE2 unit: exception flags in bits 0-5, masks in bits 7-12.
constexpr unsigned sse_flags = 0x003F;
constexpr unsigned sse_all_masked = 0x1F80;  // round to nearest, no flush to zero
constexpr unsigned sse_invalid = 0x01, sse_divide = 0x04, sse_overflow = 0x08;
constexpr unsigned sse_trapping_masks = (sse_invalid | sse_divide | sse_overflow) << 7;

// x87 control word: all masked, 53-bit precision, round to nearest.
constexpr unsigned short x87_all_masked = 0x027F;
constexpr unsigned short x87_trapping_masks = 0x0001 | 0x0004 | 0x0008;
// Precision control field: 11 is 64 bits.
constexpr unsigned short x87_precision_64 = 0x0300;
// x87 status word: the stack fault and its direction (C1: 1 overflow).
constexpr unsigned short x87_stack_fault = 0x0040;
constexpr unsigned short x87_condition_c1 = 0x0200;

void x87_set_control(unsigned short word) { __asm__ __volatile__("fclex\n\tfldcw %0" : : "m"(word)); }

unsigned short x87_control()
{
    unsigned short word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}

FpTrapHandler trap_handler = nullptr;
bool traps_unmasked = false;

// The exception that several unmasked SSE exceptions raise, named by the
// flags of MXCSR; Windows raises it for every SSE2 trap.
constexpr DWORD float_multiple_traps = 0xC00002B5;
constexpr DWORD float_multiple_faults = 0xC00002B4;

FpTrap kind_of_sse_flags(unsigned mxcsr)
{
    const unsigned raised = mxcsr & sse_flags & ~(mxcsr >> 7);
    if (raised & sse_invalid) return FpTrap::invalid;
    if (raised & sse_divide) return FpTrap::divide_by_zero;
    if (raised & sse_overflow) return FpTrap::overflow;
    return FpTrap::unknown;
}

bool classify(const EXCEPTION_POINTERS& exception, FpTrap& kind)
{
    switch (exception.ExceptionRecord->ExceptionCode) {
    case EXCEPTION_FLT_INVALID_OPERATION: kind = FpTrap::invalid; return true;
    case EXCEPTION_FLT_DIVIDE_BY_ZERO: kind = FpTrap::divide_by_zero; return true;
    case EXCEPTION_FLT_OVERFLOW: kind = FpTrap::overflow; return true;
    case EXCEPTION_FLT_UNDERFLOW: kind = FpTrap::underflow; return true;
    case EXCEPTION_FLT_INEXACT_RESULT: kind = FpTrap::inexact; return true;
    case EXCEPTION_FLT_DENORMAL_OPERAND: kind = FpTrap::denormal; return true;
    case EXCEPTION_FLT_STACK_CHECK: {
        const unsigned short status = exception.ContextRecord->FltSave.StatusWord;
        kind = (status & x87_stack_fault) && (status & x87_condition_c1) ? FpTrap::stack_overflow
                                                                         : FpTrap::stack_underflow;
        return true;
    }
    case float_multiple_traps:
    case float_multiple_faults: {
        kind = kind_of_sse_flags(exception.ContextRecord->MxCsr);
        return true;
    }
    default: return false;
    }
}

// The handler came back: the interrupted operation is done again with
// every exception masked, giving its default result.
void mask_interrupted_context(CONTEXT& context)
{
    context.MxCsr = (context.MxCsr | sse_all_masked) & ~sse_flags;
    context.FltSave.MxCsr = context.MxCsr;
    context.FltSave.ControlWord = static_cast<WORD>(context.FltSave.ControlWord | 0x3F);
    context.FltSave.StatusWord = static_cast<WORD>(context.FltSave.StatusWord & ~0x80FF);
}

// A structured exception: the floating-point traps are reported, anything
// else (an access fault, a C++ exception) is left to the system.
LONG CALLBACK on_exception(EXCEPTION_POINTERS* exception)
{
    FpTrap kind = FpTrap::unknown;
    if (!classify(*exception, kind)) return EXCEPTION_CONTINUE_SEARCH;
    if (trap_handler != nullptr) trap_handler(kind);
    mask_interrupted_context(*exception->ContextRecord);
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

void fp_set_control()
{
    _mm_setcsr(sse_all_masked);
    traps_unmasked = false;
    x87_set_control(x87_all_masked);
}

void fp_unmask_traps()
{
    fp_clear_flags();
#if !defined(DIFUSAO_FP_FLAG_PATH)
    _mm_setcsr(_mm_getcsr() & ~sse_trapping_masks);
    x87_set_control(static_cast<unsigned short>(x87_control() & ~x87_trapping_masks));
    traps_unmasked = true;
#endif
}

bool fp_traps_unmasked() { return traps_unmasked; }

namespace {

// The exception flags of both units, in the SSE bit positions (the x87
// status word has the same six flags in the same bits).
unsigned raised_flags()
{
    unsigned short x87_status;
    __asm__ __volatile__("fnstsw %0" : "=m"(x87_status));
    return _mm_getcsr() | x87_status;
}

}  // namespace

bool fp_trap_raised(FpTrap& kind)
{
    const unsigned flags = raised_flags();
    if (flags & sse_invalid)
        kind = FpTrap::invalid;
    else if (flags & sse_divide)
        kind = FpTrap::divide_by_zero;
    else if (flags & sse_overflow)
        kind = FpTrap::overflow;
    else
        return false;
    return true;
}

void fp_clear_flags()
{
    _mm_setcsr(_mm_getcsr() & ~sse_flags);
    __asm__ __volatile__("fnclex");
}

void fp_install_trap_handler(FpTrapHandler handler)
{
    static bool installed = false;
    trap_handler = handler;
    if (!installed) installed = AddVectoredExceptionHandler(1, &on_exception) != nullptr;
}

void fp_hold(FpHeldEnvironment& held)
{
    held.sse_control_and_status = _mm_getcsr();
    held.x87_control = x87_control();
    _mm_setcsr((held.sse_control_and_status | sse_all_masked) & ~sse_flags);
    x87_set_control(static_cast<unsigned short>(held.x87_control | 0x3F));
}

bool fp_trap_flagged(FpTrap kind)
{
    const unsigned flags = raised_flags();
    switch (kind) {
    case FpTrap::invalid: return (flags & sse_invalid) != 0;
    case FpTrap::divide_by_zero: return (flags & sse_divide) != 0;
    case FpTrap::overflow: return (flags & sse_overflow) != 0;
    default: return false;
    }
}

void fp_give_back(const FpHeldEnvironment& held)
{
    _mm_setcsr(held.sse_control_and_status);
    x87_set_control(held.x87_control);  // flags raised while held are cleared first
}

unsigned fp_library_precision_widen()
{
    const unsigned short saved = x87_control();
    const auto widened = static_cast<unsigned short>(saved | x87_precision_64);
    // No fclex: flags already raised stay as they are.
    if (widened != saved) __asm__ __volatile__("fldcw %0" : : "m"(widened));
    return saved;
}

void fp_library_precision_restore(unsigned saved)
{
    const auto word = static_cast<unsigned short>(saved);
    __asm__ __volatile__("fldcw %0" : : "m"(word));
}

// ---- memory ----

// Windows commits memory when it is allocated: a request the machine cannot
// serve fails at once, so no bound is needed in front of it.
std::uint64_t memory_obtainable_bytes() { return std::numeric_limits<std::uint64_t>::max(); }

}  // namespace platform
