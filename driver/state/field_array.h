#pragma once
// An array of doubles indexed from a fixed lower bound, as the formulas write
// them: volumes 1..N, time levels 0..nt. Indexing is a plain offset from the
// first element; there is no bounds check in the hot loops.

#include <cstddef>

namespace driver {

// Elements of an array lower..upper, 0 for an empty range: the count that
// both the allocation and the memory figure of a run use.
constexpr std::size_t element_count(int lower, int upper)
{
    return upper >= lower ? static_cast<std::size_t>(static_cast<long long>(upper) - lower + 1) : 0;
}

template <int Lower>
class FieldArray {
public:
    FieldArray() = default;
    FieldArray(double* storage, int upper) : data_(storage), upper_(upper) {}

    double& operator()(int i) { return data_[i - Lower]; }
    const double& operator()(int i) const { return data_[i - Lower]; }

    static constexpr int lower() { return Lower; }
    int upper() const { return upper_; }
    // Elements from lower() to upper(); 0 for an empty range.
    std::size_t size() const { return element_count(Lower, upper_); }
    bool allocated() const { return data_ != nullptr; }

    double* data() { return data_; }
    const double* data() const { return data_; }

private:
    double* data_ = nullptr;
    int upper_ = Lower - 1;
};

// Arrays over the control volumes, 1..N.
using VolumeArray = FieldArray<1>;
// Arrays over the time levels, 0..nt.
using LevelArray = FieldArray<0>;

// Obtains an array lower..upper; a request that cannot be served ends the run
// with the allocation error (an array already allocated, not enough memory).
template <int Lower>
void allocate(FieldArray<Lower>& array, int upper);
// Releases an array; releasing one that is not allocated is an error.
template <int Lower>
void release(FieldArray<Lower>& array);

}  // namespace driver
