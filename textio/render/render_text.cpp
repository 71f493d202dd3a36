// L and A items.

#include "textio/render/render_detail.h"

namespace textio {

int render_logical(bool value, const EditState&, char* out)
{
    out[0] = value ? 'T' : 'F';
    return 1;
}

int render_characters(const char* text, std::size_t length, const EditState& item, char* out)
{
    std::size_t width = item.w > 0 ? static_cast<std::size_t>(item.w) : length;
    if (width >= static_cast<std::size_t>(field_buffer_size)) width = field_buffer_size - 1;
    std::size_t placed = 0;
    for (; placed + length < width; ++placed) out[placed] = ' ';
    const std::size_t taken = length < width - placed ? length : width - placed;
    std::memcpy(out + placed, text, taken);
    return static_cast<int>(placed + taken);
}

}  // namespace textio
