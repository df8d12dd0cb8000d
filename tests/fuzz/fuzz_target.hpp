#pragma once
// One fuzz target: a function given one input of arbitrary bytes. Built with
// clang's libFuzzer (GLOSSAMO_LIBFUZZER) it is the fuzzer's entry point;
// otherwise it is registered under its name for fuzz_replay, which runs the
// committed corpora as ordinary tests.
#include <cstddef>
#include <cstdint>

#ifdef GLOSSAMO_LIBFUZZER
#define FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
namespace glossamo::fuzz {
using Target = int (*)(const std::uint8_t* data, std::size_t size);
bool registerTarget(const char* name, Target target);
}  // namespace glossamo::fuzz
#define FUZZ_TARGET(name)                                                                          \
    static int fuzz_##name(const std::uint8_t* data, std::size_t size);                            \
    [[maybe_unused]] static const bool registered_##name =                                         \
        glossamo::fuzz::registerTarget(#name, fuzz_##name);                                        \
    static int fuzz_##name(const std::uint8_t* data, std::size_t size)
#endif
