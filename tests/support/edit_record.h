// Building EditRecords (the host's stored part records) in tests.
#pragma once

#include "support/packed_record.h"

#include <gjbz108a/records.h>

#include <cstddef>

namespace gjbz108a::test {

// Offsets of the two parameter blocks; add a block offset to them.
constexpr std::size_t kEffective = GJBZ108A_EDIT_EFFECTIVE_BLOCK;
constexpr std::size_t kEntered = GJBZ108A_EDIT_ENTERED_BLOCK;

class EditRecord : public PackedRecord<EditRecord, GJBZ108A_EDIT_RECORD_SIZE> {
public:
    // An electronic part of the category; every other byte is 0.
    explicit EditRecord(unsigned item_code) {
        u8(GJBZ108A_ITEM_CLASS, 1).u8(GJBZ108A_ITEM_CODE, item_code);
        u8(GJBZ108A_EDIT_ITEM_CLASS, 1).u8(GJBZ108A_EDIT_ITEM_CODE, item_code);
    }

    // Result slot 0 is the failure rate, slot c the value of factor column c.
    EditRecord& result(unsigned slot, float value) { return f32(GJBZ108A_EDIT_RESULTS + 4 * slot, value); }
};

}  // namespace gjbz108a::test
