#pragma once
// The computation in blocks, so that an invalid operation, a division by
// zero or an overflow stops the run with the same report at the same
// operation whether the processor traps or not.
//
// Where it traps, a block is plain code over doubles and the trap reports the
// operation. Where it cannot (most ARM cores, or a build made with
// DIFUSAO_FP_FLAG_PATH), the block runs the same way, its flags are tested
// once at its end, and when one of the three is raised the block is computed
// once more over CheckedReal: the very same operations in the same order,
// each followed by a look at the flags, so that the first faulting one is
// reported as the trap would have reported it. A block is written once, as a
// callable over its real type:
//
//     process::fp_block([&](auto real) {
//         using R = decltype(real);
//         s.dx = static_cast<double>(R(s.L) / s.N);
//     });
//
// A block must leave its own inputs as it found them (or put them back when
// it starts), since it may run twice.

#include <type_traits>

#include "platform/system.h"
#include "process/math_functions.h"

namespace process {

// Looks at the flags after one operation of a checked block: the first of
// invalid operation, division by zero and overflow raised is reported as
// floating_point_trap reports it (or recorded, under FpPrediction), and the
// flags are cleared.
void fp_check_operation();

// A double whose every operation is tested: the checked run of a block.
class CheckedReal {
public:
    CheckedReal() = default;
    // Implicit: the constants and plain values of a formula enter it as they are.
    CheckedReal(double value) : value_(value) {}
    explicit operator double() const { return value_; }

    friend CheckedReal operator+(CheckedReal a, CheckedReal b) { return tested(a, b, '+'); }
    friend CheckedReal operator-(CheckedReal a, CheckedReal b) { return tested(a, b, '-'); }
    friend CheckedReal operator*(CheckedReal a, CheckedReal b) { return tested(a, b, '*'); }
    friend CheckedReal operator/(CheckedReal a, CheckedReal b) { return tested(a, b, '/'); }
    // Negation raises nothing.
    friend CheckedReal operator-(CheckedReal a) { return -a.value_; }

    // An element of an array written by a checked block.
    class Element {
    public:
        explicit Element(double& element) : element_(&element) {}
        operator CheckedReal() const { return *element_; }
        Element& operator=(CheckedReal value)
        {
            *element_ = value.value_;
            return *this;
        }
        Element& operator=(const Element& other)
        {
            if (this != &other) *element_ = *other.element_;
            return *this;
        }

    private:
        double* element_;
    };

private:
    // The operands are read and the result stored through volatile objects:
    // the operation then takes place between the look at the flags of the
    // operation before and its own, never moved across either.
    static CheckedReal tested(CheckedReal a, CheckedReal b, char operation)
    {
        volatile double x = a.value_;
        volatile double y = b.value_;
        volatile double result;
        switch (operation) {
        case '+': result = x + y; break;
        case '-': result = x - y; break;
        case '*': result = x * y; break;
        default: result = x / y; break;
        }
        fp_check_operation();
        return result;
    }

    double value_ = 0.0;
};

// The mathematical functions within a checked block: their own errors are
// reported by them, as in a plain one.
inline CheckedReal sine(CheckedReal x) { return sine(static_cast<double>(x)); }
inline CheckedReal exponential(CheckedReal x) { return exponential(static_cast<double>(x)); }
inline CheckedReal power(CheckedReal a, CheckedReal b) { return power(static_cast<double>(a), static_cast<double>(b)); }

// An array of the state seen with the real type of a block: the array
// itself over doubles, checked elements over CheckedReal.
template <class Array>
class CheckedArray {
public:
    explicit CheckedArray(Array& array) : array_(&array) {}
    auto operator()(int i) const
    {
        if constexpr (std::is_const_v<Array>)
            return CheckedReal((*array_)(i));
        else
            return CheckedReal::Element((*array_)(i));
    }

private:
    Array* array_;
};

template <class R, class Array>
decltype(auto) reals(Array& array)
{
    if constexpr (std::is_same_v<R, double>)
        return (array);
    else
        return CheckedArray<Array>(array);
}

// Whether the processor traps on the three exceptions (set at start-up).
bool fp_traps_work();

namespace detail {
struct FpBlock {
    void (*checked_run)(void* block);
    void* block;
};
// The plain run of `block` under way: a mathematical function's error report
// looks at it. Left when the run ends, by a return or by an exception (the
// error hook of in-process runs).
class FpBlockWatch {
public:
    explicit FpBlockWatch(const FpBlock& block);
    ~FpBlockWatch();
    FpBlockWatch(const FpBlockWatch&) = delete;
    FpBlockWatch& operator=(const FpBlockWatch&) = delete;
    // One of the three flags is raised.
    bool flagged() const;
};
// The checked run, flags cleared before it and after it: it reports the
// first faulting operation, or finds none (a flag raised by an operation a
// compiler added on its own) and the run goes on.
void fp_block_checked(const FpBlock& block);
}  // namespace detail

// Runs `block` (a callable taking a double, or a CheckedReal in its checked
// run) as one block of the computation.
template <class Block>
void fp_block(Block&& block)
{
    if (fp_traps_work()) {
        block(0.0);
        return;
    }
    using Callable = std::remove_reference_t<Block>;
    const detail::FpBlock checked{[](void* b) { (*static_cast<Callable*>(b))(CheckedReal()); },
                                  const_cast<void*>(static_cast<const void*>(&block))};
    bool flagged;
    {
        const detail::FpBlockWatch watch(checked);
        block(0.0);
        flagged = watch.flagged();
    }
    if (flagged) detail::fp_block_checked(checked);
}

// Called by a mathematical function before it reports its own error: within
// the plain run of a block whose flags are already raised, an operation
// before it faulted (the trap would have stopped there), so the block is
// computed again checked and that operation is reported.
void fp_before_math_function_error();

// While it lives, the first fault of the checked operations is recorded
// instead of reported, and the run goes on (the traps are held): the
// prediction of --verificar.
class FpPrediction {
public:
    FpPrediction();
    ~FpPrediction();
    FpPrediction(const FpPrediction&) = delete;
    FpPrediction& operator=(const FpPrediction&) = delete;
    // The first fault recorded; false when none.
    bool fault(platform::FpTrap& kind) const;

private:
    platform::FpHeldEnvironment held_;
};

}  // namespace process
