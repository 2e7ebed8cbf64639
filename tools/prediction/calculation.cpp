#include "tools/prediction/calculation.h"

#include "records/record.h"

#include <cstring>

namespace gjbz108a::cli {
namespace {

void derive_item_record(const std::uint8_t* edit_record, std::uint8_t* item_record) {
    std::memcpy(item_record, edit_record, GJBZ108A_HEADER_SIZE);
    std::memcpy(item_record + GJBZ108A_ITEM_BLOCK, edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK,
                GJBZ108A_BLOCK_SIZE);
    std::memcpy(item_record + GJBZ108A_ITEM_RESULTS, edit_record + GJBZ108A_EDIT_RESULTS,
                GJBZ108A_BLOCK_SIZE);
}

// The header (failure rate and calc_item's reset values) and the result block
// go back. The parameter block does not: the model has turned its selection
// codes into 0-based indexes in place, and the stored part keeps the codes.
void copy_results_back(const std::uint8_t* item_record, std::uint8_t* edit_record) {
    std::memcpy(edit_record, item_record, GJBZ108A_HEADER_SIZE);
    std::memcpy(edit_record + GJBZ108A_EDIT_RESULTS, item_record + GJBZ108A_ITEM_RESULTS,
                GJBZ108A_BLOCK_SIZE);
}

}  // namespace

Outcome Calculator::calculate(std::uint8_t* edit_record) {
    derive_item_record(edit_record, item_.data());
    // Neither function writes anything, not even a NUL, when it has nothing to say.
    messages_[0] = '\0';
    // A part that its check rejects is not calculated: the message says why.
    if (chek_item(messages_.data(), item_.data()) != GJBZ108A_CHECK_ACCEPTED)
        return {GJBZ108A_NOT_COMPUTED, 0.0f, messages_.data()};
    const int result = calculate_(messages_.data(), item_.data());
    copy_results_back(item_.data(), edit_record);
    return {result, load_f32(edit_record, GJBZ108A_EDIT_RESULTS), messages_.data()};
}

}  // namespace gjbz108a::cli
