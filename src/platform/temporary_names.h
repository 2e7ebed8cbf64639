#pragma once
// Names for the temporary file that replace_file writes beside its target, one
// home for both backends: hidden (a leading point) and random, so that another
// process replacing the same file at the same moment picks another name.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace gjbz108a::platform {

class TemporaryNames {
public:
    explicit TemporaryNames(std::string_view stem) {
        prefix_.append(".").append(stem).append(".");
        std::random_device entropy;
        names_.seed(static_cast<std::uint64_t>(entropy()) << 32 | entropy());
    }

    std::string next() {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::string name = prefix_;
        for (int i = 0; i < 12; ++i) name.push_back(kLetters[names_() % (sizeof kLetters - 1)]);
        return name;
    }

    // Exclusive creation fails only on a name already taken; this many tries
    // all meeting taken names means something else is wrong.
    static constexpr int kAttempts = 100;

private:
    std::string prefix_;
    std::mt19937_64 names_;
};

}  // namespace gjbz108a::platform
