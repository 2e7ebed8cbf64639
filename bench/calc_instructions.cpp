// Runs calc_item over a set of records a given number of rounds, for counting
// instructions under callgrind (bench/instructions.sh): the difference between
// two round counts, divided by the parts, is the cost of one part.
//
//   calc_instructions ROUNDS [calc|copy|floor] [mix|random]
//
// calc copies each record, then calls calc_item; copy only copies; floor calls
// the floor kernel instead. mix is the part mix of bench_calc, random the
// random valid records of bench_calc_floor.
#include "floor_kernel.h"
#include "part_mix.h"
#include "random_records.h"

#include <gjbz108a/calc.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view work_kind = argc > 2 ? argv[2] : "calc";
    const std::string_view records_kind = argc > 3 ? argv[3] : "mix";
    if (argc < 2 || (work_kind != "calc" && work_kind != "copy" && work_kind != "floor") ||
        (records_kind != "mix" && records_kind != "random")) {
        std::fprintf(stderr, "usage: %s ROUNDS [calc|copy|floor] [mix|random]\n", argv[0]);
        return 2;
    }
    const long rounds = std::atol(argv[1]);
    const auto records = records_kind == "mix" ? gjbz108a::bench::part_mix()
                                               : gjbz108a::bench::random_valid_records(20, 2026);

    gjbz108a::bench::ItemRecordBytes work;
    std::array<char, 4096> messages;
    unsigned checksum = 0;
    for (long round = 0; round < rounds; ++round) {
        for (const auto& record : records) {
            work = record;
            if (work_kind == "copy")
                checksum += work[GJBZ108A_ITEM_CODE];
            else if (work_kind == "floor")
                checksum += static_cast<unsigned>(gjbz108a::bench::floor_calc(messages.data(), work.data()));
            else
                checksum += static_cast<unsigned>(calc_item(messages.data(), work.data()));
        }
    }
    std::printf("%zu parts per round, checksum %u\n", records.size(), checksum);
    return 0;
}
