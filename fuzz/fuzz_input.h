#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// The fuzzer's bytes as 8-bit text.
inline std::string text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Targets that read several files take them from one input, separated by NUL bytes: the suite's
// text files never hold one, and seeds are made with `printf '\0'` between the files.
inline std::vector<std::string> files(std::string_view input, std::size_t count) {
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const std::size_t nul = input.find('\0');
        if (nul == std::string_view::npos) {
            break;
        }
        parts.emplace_back(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }
    parts.emplace_back(input);
    parts.resize(count);
    return parts;
}

// A broken consistency rule is a finding like a crash: abort so the fuzzer keeps the input.
inline void check(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "consistency rule broken: %s\n", rule);
        std::abort();
    }
}

}  // namespace fuzz
