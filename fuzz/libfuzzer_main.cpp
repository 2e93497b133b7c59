// The libFuzzer harness around one fuzz entry point, which the build names
// by FUZZ_ENTRY and FUZZ_ENTRY_HEADER: one executable per entry point. A
// fault is anything that escapes the entry point, which ends the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include FUZZ_ENTRY_HEADER

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Windows are the headless back end's, as in the tests: nothing leaves
    // the process.
    setenv("TANDRIL_HEADLESS", "1", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    FUZZ_ENTRY(Data, Size);
    return 0;
}
