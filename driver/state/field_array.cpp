#include "driver/state/field_array.h"

#include "process/memory.h"
#include "process/runtime_error.h"

namespace driver {

template <int Lower>
void allocate(FieldArray<Lower>& array, int upper)
{
    if (array.allocated())
        process::raise_runtime_error(process::errors::array_already_allocated, process::StatementKind::none);
    array = FieldArray<Lower>(process::allocate_doubles(element_count(Lower, upper)), upper);
}

template <int Lower>
void release(FieldArray<Lower>& array)
{
    if (!array.allocated())
        process::raise_runtime_error(process::errors::array_not_allocated, process::StatementKind::none);
    process::release_doubles(array.data());
    array = FieldArray<Lower>();
}

template void allocate<0>(FieldArray<0>&, int);
template void allocate<1>(FieldArray<1>&, int);
template void release<0>(FieldArray<0>&);
template void release<1>(FieldArray<1>&);

}  // namespace driver
