// The error report on standard error and the exit after it.

#include "process/runtime_error.h"

#include <cstddef>
#include <cstdlib>

#include "platform/system.h"
#include "platform/terminal.h"
#include "process/fp_blocks.h"
#include "process/terminal_line.h"
#include "process/termination.h"

namespace process {

namespace {

struct Frame {
    std::string_view text;
    bool names_file;  // the frame opens a parenthesis closed after the file name
};

Frame frame_of(StatementKind kind)
{
    switch (kind) {
    case StatementKind::close: return {": CLOSE(", true};
    case StatementKind::write: return {": WRITE(", true};
    case StatementKind::open: return {": OPEN(", true};
    case StatementKind::read: return {": READ(", true};
    case StatementKind::math: return {": MATH\r\n- ", false};
    case StatementKind::none: return {"\r\n- ", false};
    }
    return {"\r\n- ", false};
}

// Appends to a fixed buffer, dropping what does not fit.
class ReportText {
public:
    ReportText(char* bytes, std::size_t capacity) : bytes_(bytes), capacity_(capacity) {}
    void add(std::string_view text)
    {
        for (const char c : text)
            if (size_ < capacity_) bytes_[size_++] = c;
    }
    void add(char c) { add(std::string_view(&c, 1)); }
    std::size_t size() const { return size_; }

private:
    char* bytes_;
    std::size_t capacity_;
    std::size_t size_ = 0;
};

RuntimeErrorHook error_hook = nullptr;
RuntimeErrorExplainer error_explainer = nullptr;

}  // namespace

void set_runtime_error_hook(RuntimeErrorHook hook) { error_hook = hook; }

void set_runtime_error_explainer(RuntimeErrorExplainer explainer) { error_explainer = explainer; }

std::size_t format_runtime_error(char* report, std::size_t capacity, RuntimeError error, std::string_view message,
                                 StatementKind kind, std::string_view file_name)
{
    ReportText text(report, capacity);
    text.add("\r\nrun-time error ");
    text.add(error.letter);
    const int digits = error.number < 0 ? 0 : error.number % 10000;
    text.add(static_cast<char>('0' + digits / 1000));
    text.add(static_cast<char>('0' + digits / 100 % 10));
    text.add(static_cast<char>('0' + digits / 10 % 10));
    text.add(static_cast<char>('0' + digits % 10));
    const Frame frame = frame_of(kind);
    text.add(frame.text);
    if (frame.names_file) {
        text.add(file_name);
        text.add(message.empty() ? ")\r\n" : ")\r\n- ");
    }
    text.add(message);
    text.add("\r\n");
    return text.size();
}

namespace {

// The report on standard error (or to the hook), then the explanation on a
// terminal; the caller decides whether the process ends.
void write_report(RuntimeError error, std::string_view message, StatementKind kind, std::string_view file_name)
{
    // On the stack: the report must be possible when memory has run out and
    // inside the floating-point trap.
    char report[8192];
    const std::size_t size = format_runtime_error(report, sizeof report, error, message, kind, file_name);
    erase_terminal_line();  // the report starts on a clean line
    if (error_hook != nullptr) {
        error_hook(error, std::string_view(report, size));
        std::abort();  // a hook must not return
    }
    platform::standard_error_write(std::string_view(report, size));
    if (error_explainer != nullptr && platform::standard_error_is_terminal()) {
        const RuntimeErrorExplainer explainer = error_explainer;
        error_explainer = nullptr;  // an error inside it is reported plainly
        explainer(error, kind, file_name);
    }
}

}  // namespace

void report_runtime_error(RuntimeError error, std::string_view message, StatementKind kind, std::string_view file_name)
{
    write_report(error, message, kind, file_name);
    // An error that the closing of the units did not expect: the exit
    // routines are running already, so nothing more can run.
    if (termination_in_progress()) platform::process_exit_at_once(1);
    platform::process_exit(1);
}

void report_error_while_terminating(RuntimeError error, std::string_view message, StatementKind kind,
                                    std::string_view file_name)
{
    write_report(error, message, kind, file_name);
    if (!termination_in_progress()) platform::process_exit(1);
}

void math_function_error(MathError kind, std::string_view function_name)
{
    fp_before_math_function_error();
    RuntimeError error = errors::math_domain;
    std::string_view word = "DOMAIN";
    switch (kind) {
    case MathError::domain: break;
    case MathError::singularity: error = errors::math_singularity, word = "SING"; break;
    case MathError::overflow: error = errors::math_overflow, word = "OVERFLOW"; break;
    case MathError::total_loss: error = errors::math_total_loss, word = "TLOSS"; break;
    }
    char message[128];
    ReportText text(message, sizeof message);
    text.add(function_name);
    text.add(": ");
    text.add(word);
    text.add(" error");
    report_runtime_error(error, std::string_view(message, text.size()), StatementKind::math);
}

}  // namespace process
