// Computing one part as a host does: from the stored EditRecord derive the
// ItemRecord (header, effective block, result block), check it with chek_item,
// hand it to calc_item through the plug-in's C ABI when the check accepts it,
// and copy what the model wrote back into the EditRecord.
#pragma once

#include <gjbz108a/gjbz108a.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace gjbz108a::cli {

// The signature of calc_item; tests substitute their own.
using CalculateFunction = std::int32_t (*)(char* messages, std::uint8_t* record);

struct Outcome {
    int result;                  // GJBZ108A_COMPUTED, _WITH_WARNINGS or _NOT_COMPUTED
    float failure_rate;          // result slot 0; meaningful when computed
    std::string_view messages;   // the message buffer's text, valid until the next part
};

class Calculator {
public:
    explicit Calculator(CalculateFunction calculate = &calc_item) : calculate_(calculate) {}

    // `edit_record` is a full EditRecord; its results are written back in place.
    // A part that the check rejects gives GJBZ108A_NOT_COMPUTED and the check's
    // message, and its record keeps its results.
    Outcome calculate(std::uint8_t* edit_record);

private:
    CalculateFunction calculate_;
    std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE> item_{};
    // calc_item writes without a bound; one calculation writes a few hundred
    // bytes at most, so this leaves ample room.
    std::array<char, 4096> messages_{};
};

}  // namespace gjbz108a::cli
