// Faults that only the test build of the library (VANTRIX_FAULT_HOOKS) can be told to
// make, through its extra export VantrixSetFaults: registering without the right to set
// the Approved value, a type library that will not register, a context-menu key that
// cannot be deleted, and allocations that fail.
// The shipped library has none of them.
#pragma once

namespace vantrix::faults {

#ifdef VANTRIX_FAULT_HOOKS
bool DenyApproval();
bool FailTypeLibrary();
bool KeepKeys();
#else
constexpr bool DenyApproval() { return false; }
constexpr bool FailTypeLibrary() { return false; }
constexpr bool KeepKeys() { return false; }
#endif

} // namespace vantrix::faults
