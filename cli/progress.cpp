#include "cli/progress.h"

#include <cstddef>
#include <string_view>

#include "platform/system.h"
#include "platform/terminal.h"
#include "process/terminal_line.h"

namespace cli {

namespace {

constexpr unsigned first_update_ms = 1000;
constexpr unsigned update_period_ms = 250;
constexpr std::size_t line_capacity = 160;

static_assert(std::atomic<std::int32_t>::is_always_lock_free);
static_assert(std::atomic<const char*>::is_always_lock_free);

std::atomic<const char*> text_before_step{nullptr};
std::atomic<const char*> text_before_total{nullptr};
std::atomic<const char*> phase_text{nullptr};
std::atomic<std::int32_t> total_steps{0};
std::atomic<std::size_t> shown_length{0};  // characters of the line on the screen
std::atomic<bool> running{false};

// The line is built in a fixed buffer: the update runs asynchronously and
// may not allocate.
class Line {
public:
    void add(const char* text)
    {
        for (; text != nullptr && *text != '\0'; ++text) add(*text);
    }
    void add(char c)
    {
        if (size_ < line_capacity) bytes_[size_++] = c;
    }
    void add(std::int32_t number)
    {
        char digits[12];
        int count = 0;
        std::uint32_t magnitude =
            number < 0 ? 0u - static_cast<std::uint32_t>(number) : static_cast<std::uint32_t>(number);
        do {
            digits[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (number < 0) add('-');
        while (count > 0) add(digits[--count]);
    }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {bytes_, size_}; }

private:
    char bytes_[line_capacity + 1];
    std::size_t size_ = 0;
};

std::size_t visible_length(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;  // UTF-8 continuation bytes take no column
    return count;
}

void show()
{
    Line line;
    line.add('\r');
    if (const char* phase = phase_text.load(std::memory_order_relaxed)) {
        line.add(phase);
    } else {
        line.add(text_before_step.load(std::memory_order_relaxed));
        line.add(progress_detail::current_step.load(std::memory_order_relaxed));
        line.add(text_before_total.load(std::memory_order_relaxed));
        line.add(total_steps.load(std::memory_order_relaxed));
    }
    const std::size_t length = visible_length(line.view()) - 1;
    // Blanks over what is left of a longer line before.
    for (std::size_t shown = shown_length.load(std::memory_order_relaxed); shown > length; --shown) line.add(' ');
    shown_length.store(length, std::memory_order_relaxed);
    platform::standard_error_write_text(line.view());
}

}  // namespace

void progress_start(const char* before_step, const char* before_total, std::int32_t total)
{
    if (running.load() || !platform::standard_error_is_terminal()) return;
    process::set_terminal_line_eraser(&progress_end);
    text_before_step.store(before_step);
    text_before_total.store(before_total);
    phase_text.store(nullptr);
    total_steps.store(total);
    progress_detail::current_step.store(0);
    shown_length.store(0);
    running.store(platform::periodic_call_start(&show, first_update_ms, update_period_ms));
}

void progress_phase(const char* text) { phase_text.store(text); }

void progress_end()
{
    if (!running.exchange(false)) return;
    platform::periodic_call_stop();
    const std::size_t shown = shown_length.exchange(0);
    if (shown == 0) return;
    Line blank;
    blank.add('\r');
    for (std::size_t i = 0; i < shown; ++i) blank.add(' ');
    blank.add('\r');
    platform::standard_error_write_text(blank.view());
}

}  // namespace cli
