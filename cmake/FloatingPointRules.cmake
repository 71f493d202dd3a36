# Floating-point rules shared by every target.
#
# - no contraction of a*b+c into a fused multiply-add, whatever -march says:
#   the report prints 16 digits and a fused operation changes the last one;
# - never fast-math: it reorders sums and drops the exception semantics that
#   the floating-point traps rely on;
# - on x86, doubles in SSE2 registers, never in the 80-bit x87 stack (other
#   processors, aarch64 among them, have double registers only);
# - the compiler must assume operations may trap, so it neither speculates a
#   division nor folds one away.
foreach(forbidden -ffast-math -Ofast -funsafe-math-optimizations -ffp-contract=fast -ffp-contract=on)
  foreach(flags_var CMAKE_CXX_FLAGS CMAKE_CXX_FLAGS_RELEASE CMAKE_CXX_FLAGS_DEBUG
                    CMAKE_CXX_FLAGS_RELWITHDEBINFO CMAKE_CXX_FLAGS_MINSIZEREL)
    string(FIND " ${${flags_var}} " " ${forbidden} " found)
    if(NOT found EQUAL -1)
      message(FATAL_ERROR "${flags_var} holds ${forbidden}, which breaks the exact floating-point results")
    endif()
  endforeach()
endforeach()

add_compile_options(-ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-ftrapping-math -fno-associative-math)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-ffp-exception-behavior=maytrap)
endif()
