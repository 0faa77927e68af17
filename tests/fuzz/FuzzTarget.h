// One fuzz target's entry: the libFuzzer entry point in the fuzz build, a plain function that
// the corpus replay test calls in the normal build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: stops the run so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                       \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

#if defined(TEVRA_FUZZ_ENTRY)
#define TEVRA_FUZZ_TARGET(function)                                                     \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        return function(data, size);                                                    \
    }
#else
#define TEVRA_FUZZ_TARGET(function)
#endif

int FuzzLevelMap(const std::uint8_t* data, std::size_t size);
int FuzzBmp(const std::uint8_t* data, std::size_t size);
int FuzzJpeg(const std::uint8_t* data, std::size_t size);
int FuzzPng(const std::uint8_t* data, std::size_t size);
int FuzzFont(const std::uint8_t* data, std::size_t size);
int FuzzTextBoxes(const std::uint8_t* data, std::size_t size);
