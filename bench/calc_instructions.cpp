// Runs the part mix of bench_calc a given number of rounds, for counting
// instructions under callgrind (bench/instructions.sh): the difference between
// two round counts, divided by the parts, is the cost of one part.
//
//   calc_instructions ROUNDS          copy the record, then calc_item
//   calc_instructions ROUNDS copy     the copy alone
#include "part_mix.h"

#include <gjbz108a/calc.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ROUNDS [copy]\n", argv[0]);
        return 2;
    }
    const long rounds = std::atol(argv[1]);
    const bool copy_only = argc > 2 && std::strcmp(argv[2], "copy") == 0;
    const auto mix = gjbz108a::bench::part_mix();

    gjbz108a::bench::ItemRecordBytes work;
    std::array<char, 4096> messages;
    unsigned checksum = 0;
    for (long round = 0; round < rounds; ++round) {
        for (const auto& record : mix) {
            work = record;
            checksum += copy_only ? work[GJBZ108A_ITEM_CODE]
                                  : static_cast<unsigned>(calc_item(messages.data(), work.data()));
        }
    }
    std::printf("%zu parts per round, checksum %u\n", mix.size(), checksum);
    return 0;
}
