// calc_item on arbitrary records. Properties: the result is 3, 2 or 1; a
// result other than 3 writes printable lines and nothing after their NUL (the
// texts and their order are the unit tests' to check); the record changes
// only where a calculation may write: the failure rate, the reset values, the
// model's result slots and the selection codes it decrements; and the same
// record gives the same answer however often it is calculated.
#include "support/record_fields.h"

#include <gjbz108a/gjbz108a.h>

#include <cstring>
#include <string_view>

using namespace gjbz108a::fuzz;

namespace {

constexpr std::size_t kMessageSize = 2048;

// Whether calc_item's own checks (electronic, a valid environment) pass.
bool checked(const std::uint8_t* before) {
    return before[GJBZ108A_ITEM_CLASS] == 1 && before[GJBZ108A_ENVIRONMENT_CODE] >= 1 &&
           before[GJBZ108A_ENVIRONMENT_CODE] <= 27;
}

void check_messages(int result, const Guarded& messages) {
    if (result == GJBZ108A_COMPUTED) {
        require(untouched_from(messages, 0, kUnwritten), "a calculation without warnings wrote a message");
        return;
    }
    const std::string_view text = text_in(messages, "the message buffer holds no NUL");
    require(untouched_from(messages, text.size() + 1, kUnwritten), "bytes after the messages' NUL were written");
    require(text.starts_with(' ') && text.ends_with('\n'), "messages that are not lines of their own");
    for (const char c : text) require(c == '\n' || printable({&c, 1}), "a message that is not printable");
}

// Whether the calculation may have changed byte `i` from `was` to `is`.
bool may_change(const std::uint8_t* before, const std::uint8_t* after, int result, std::size_t i) {
    const unsigned item_code = before[GJBZ108A_ITEM_CODE];
    const bool model_ran = checked(before) && supported(item_code);
    if (i >= GJBZ108A_FAILURE_RATE && i < GJBZ108A_RESET_REAL) return result != GJBZ108A_NOT_COMPUTED;
    if (i >= GJBZ108A_RESET_REAL && i < GJBZ108A_RESET_WORD + 4) return checked(before);
    if (i >= GJBZ108A_ITEM_RESULTS && i < GJBZ108A_ITEM_RESULTS + 4 * owned_result_slots(item_code))
        return model_ran;
    if (model_ran && i > GJBZ108A_ITEM_BLOCK && i < GJBZ108A_ITEM_RESULTS) {
        // A selection code of the category's list, one lower than before.
        for (const ScreenField& field : screen_fields(item_code)) {
            if (kind_of(field.type_code) == Kind::selection && GJBZ108A_ITEM_BLOCK + field.offset == i)
                return static_cast<std::uint8_t>(before[i] - 1) == after[i];
        }
    }
    return false;
}

void check_record(const std::uint8_t* before, const Guarded& record, int result) {
    record.check_guards("calc_item wrote outside the record");
    for (std::size_t i = 0; i < kRecordSize; ++i)
        if (before[i] != record[i])
            require(may_change(before, record.data(), result, i), "calc_item changed a byte it may not write");
    if (checked(before))
        require(load<float>(record.data() + GJBZ108A_RESET_REAL) == 1.0f &&
                    load<std::uint32_t>(record.data() + GJBZ108A_RESET_WORD) == 0,
                "the reset values are not 1.0 and 0");
    if (result != GJBZ108A_NOT_COMPUTED)
        require(std::memcmp(record.data() + GJBZ108A_FAILURE_RATE, record.data() + GJBZ108A_ITEM_RESULTS, 4) == 0,
                "the header failure rate differs from result slot 0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ItemCall call(data, size, kMessageSize);
    auto& [before, record, messages] = call;
    const int result = calc_item(messages.chars(), record.data());
    messages.check_guards("calc_item wrote outside the message buffer");
    require(result == GJBZ108A_COMPUTED || result == GJBZ108A_WITH_WARNINGS || result == GJBZ108A_NOT_COMPUTED,
            "calc_item returned a value other than 3, 2 or 1");
    check_messages(result, messages);
    check_record(before.data(), record, result);

    // Nothing of one calculation (the curve lookups' module-wide status, say)
    // reaches the next.
    ItemCall again(data, size, kMessageSize);
    require(calc_item(again.messages.chars(), again.record.data()) == result && again.record.same_as(record) &&
                again.messages.same_as(messages),
            "the same record calculated twice gave different answers");
    return 0;
}
