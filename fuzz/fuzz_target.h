// The entry point of a fuzz target: one reader of outside data, fed bytes that may be
// anything. Built for libFuzzer (TINDLEWICK_LIBFUZZER) it becomes the fuzzer's
// LLVMFuzzerTestOneInput; otherwise it is registered by name, so that the unit tests replay
// the target's seeds and regression inputs through the very same code without libFuzzer.
//
//     FUZZ_TARGET(level_file)
//     {
//         ... use data and size ...
//     }
//
// A target checks what must hold whatever the bytes are and aborts when it does not, so
// that both libFuzzer and the replaying test see the failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

using FuzzEntry = void (*)(const uint8_t* data, size_t size);

#ifdef TINDLEWICK_LIBFUZZER

#define FUZZ_TARGET(name)                                                              \
    static void FuzzOne(const uint8_t* data, size_t size);                             \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)            \
    {                                                                                  \
        FuzzOne(data, size);                                                           \
        return 0;                                                                      \
    }                                                                                  \
    static void FuzzOne([[maybe_unused]] const uint8_t* data, [[maybe_unused]] size_t size)

#else

// Every target linked in, by name.
const std::map<std::string, FuzzEntry>& FuzzTargets();
bool RegisterFuzzTarget(const char* name, FuzzEntry entry);

#define FUZZ_TARGET(name)                                                              \
    static void FuzzOne_##name(const uint8_t* data, size_t size);                      \
    [[maybe_unused]] static const bool Registered_##name =                             \
        RegisterFuzzTarget(#name, FuzzOne_##name);                                     \
    static void FuzzOne_##name([[maybe_unused]] const uint8_t* data,                   \
                               [[maybe_unused]] size_t size)

#endif
