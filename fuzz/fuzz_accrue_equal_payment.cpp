#include "fuzz_accrual.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return quorvane::fuzzing::CheckStretch(&quorvane::AccrueEqualPayment, data, size);
}
