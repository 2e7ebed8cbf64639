// edit_item mode by mode: which parts it refuses, what each mode shows, and
// what it writes back on OK and on Cancel.
#include "dialog_fixture.h"

#include "support/edit_record.h"

#include <gjbz108a/edit.h>

#include <algorithm>
#include <cfloat>
#include <cstring>

namespace gjbz108a::test {
namespace {

using platform::UserAction;

// The resistor's entered block: style (list), resistor count (u8), quality
// (list), the real its screen list carries, PI q (f32).
constexpr std::size_t kStyle = kEntered + 1, kCount = kEntered + 2, kQuality = kEntered + 3, kCarried = kEntered + 4,
                      kPiQ = kEntered + 8;
constexpr float kAnyReal = 0x1.47ae14p+121f;  // "***"

// `text` and its NUL at `offset`.
EditRecord& with_text(EditRecord& record, std::size_t offset, const char* text) {
    std::memcpy(record.data() + offset, text, std::strlen(text) + 1);
    return record;
}

EditRecord resistor() {
    EditRecord record(kResistor);
    record.u8(GJBZ108A_ENVIRONMENT_CODE, 3).f32(GJBZ108A_TEMPERATURE, 40.0f).u16(GJBZ108A_EDIT_QUANTITY, 7);
    record.u8(kStyle, kMetalFilmStyle).u8(kCount, 1).f32(kPiQ, 0.0f);
    record.u8(kEffective + 1, 9);  // an effective block of another time
    for (const auto& [offset, name] : {std::pair{GJBZ108A_EDIT_REFERENCE, "R1"}, {GJBZ108A_EDIT_PART_NAME, "OLD PN"},
                                       {GJBZ108A_EDIT_MILITARY_NUMBER, "OLD MIL"},
                                       {GJBZ108A_EDIT_CATALOG_NUMBER, "OLD CAT"},
                                       {GJBZ108A_EDIT_GENERIC_NAME, "OLD GENERIC"}})
        with_text(record, offset, name);
    return record;
}

using EditItem = DialogTest;

TEST_F(EditItem, RefusesAPartWithoutADialogUntouched) {
    for (const auto& [item_class, item_code] : {std::pair{1u, 4u}, {1u, 0u}, {1u, 34u}, {1u, 17u}, {0u, 5u}}) {
        EditRecord record(item_code);
        record.u8(GJBZ108A_EDIT_ITEM_CLASS, item_class);
        const auto before = record.bytes();
        platform::clear_recordings();
        EXPECT_EQ(edit_item(nullptr, 0, 0, env_list().c_str(), record.data()), 2);
        EXPECT_EQ(record.bytes(), before);
        EXPECT_EQ(message_boxes(), std::vector<std::string>{
                                       R"("GJB/Z 108A-2006 Detailed": "Selected Item Code is not supported by the current prediction method !")"});
    }
}

TEST_F(EditItem, SinglePartWritesTheIdentificationAndBothBlocksButNotThePlacement) {
    EditRecord record = resistor();
    platform::set_script({UserAction::type(1029, "12"), UserAction::type(1026, "NEW PN"), UserAction::look(),
                          UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 0, 0, env_list().c_str(), record.data()), 1);
    // Beside the effective block, only the state, the quantity and the part
    // name change: the entered quality stays left to the defaults.
    EditRecord expected = resistor().u8(GJBZ108A_EDIT_STATE, 3).u16(GJBZ108A_EDIT_QUANTITY, 12);
    with_text(expected, GJBZ108A_EDIT_PART_NAME, "NEW PN");
    std::memcpy(expected.data() + kEffective, record.data() + kEffective, GJBZ108A_BLOCK_SIZE);
    EXPECT_EQ(record.bytes(), expected.bytes());
    EXPECT_EQ(record.u8_at(kEffective + 1), kMetalFilmStyle);
    EXPECT_EQ(record.u8_at(kEffective + 3), kB2);
    // The dialog showed the placement read-only: the ENV list at the record's
    // environment, the temperature disabled.
    const std::vector<std::string>& seen = platform::transcript();
    EXPECT_NE(std::ranges::find(seen, "  1027 ComboBox \"NS\" disabled [GB | GF | GM | NS] selected 3"), seen.end());
    EXPECT_TRUE(std::ranges::any_of(seen, [](const std::string& line) {
        return line.starts_with("  1030 Edit \"40") && line.ends_with("\" disabled");
    }));

    // OK without a change still marks the part edited; Cancel leaves it all.
    EditRecord unchanged = resistor();
    platform::set_script({UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 0, 0, env_list().c_str(), unchanged.data()), 1);
    EXPECT_EQ(unchanged.u8_at(GJBZ108A_EDIT_STATE), 3);
    EditRecord cancelled = resistor();
    const auto before = cancelled.bytes();
    platform::set_script({UserAction::type(1029, "12"), UserAction::click(2)});
    EXPECT_EQ(edit_item(nullptr, 0, 0, env_list().c_str(), cancelled.data()), 2);
    EXPECT_EQ(cancelled.bytes(), before);
}

// Outside single-part mode only the entered block changes, compared here
// with the whole record.
TEST_F(EditItem, DefaultsWriteOnlyTheEnteredBlock) {
    // A new set starts with every field of its screen list not defined, and
    // keeps that on Cancel.
    const EditRecord undefined = resistor().u8(kStyle, 0).u8(kCount, 127).f32(kCarried, FLT_MAX).f32(kPiQ, FLT_MAX);
    EditRecord fresh = resistor();
    platform::set_script({UserAction::click(2)});
    EXPECT_EQ(edit_item(nullptr, 1, 1, nullptr, fresh.data()), 2);
    EXPECT_EQ(fresh.bytes(), undefined.bytes());

    EditRecord chosen = resistor();
    platform::set_script({UserAction::select(1001, 12), UserAction::select(1009, kB2), UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 1, 1, nullptr, chosen.data()), 1);
    EXPECT_EQ(chosen.bytes(), EditRecord(undefined).u8(kStyle, 12).u8(kQuality, kB2).bytes());

    // An existing set: the part type is fixed, the block passes unchanged.
    EditRecord existing = resistor();
    platform::set_script({UserAction::select(1001, 3), UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 1, 0, nullptr, existing.data()), 1);
    EXPECT_EQ(existing.bytes(), resistor().bytes());
}

TEST_F(EditItem, GlobalChangeStoresTheShiftedListsAndTheConditionsNames) {
    EditRecord conditions = resistor();
    // Index 0 is "***", 1 "---", 2 the first quality; the fields left alone are "***".
    platform::set_script({UserAction::select(1009, 2), UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 2, 0, nullptr, conditions.data()), 1);
    EditRecord any = resistor().u8(kStyle, 0).u8(kCount, 117).f32(kCarried, kAnyReal).f32(kPiQ, kAnyReal);
    EditRecord expected = any;
    for (std::size_t offset : {GJBZ108A_EDIT_PART_NAME, GJBZ108A_EDIT_MILITARY_NUMBER, GJBZ108A_EDIT_CATALOG_NUMBER,
                               GJBZ108A_EDIT_GENERIC_NAME})
        with_text(expected, offset, "***");
    EXPECT_EQ(conditions.bytes(), expected.u8(kQuality, 2).bytes());

    EditRecord new_values = resistor();
    platform::set_script({UserAction::select(1001, 1), UserAction::click(1)});
    ASSERT_EQ(edit_item(nullptr, 2, 1, nullptr, new_values.data()), 1);
    // "---": the style becomes not defined.
    EXPECT_EQ(new_values.bytes(), any.u8(kStyle, 1).bytes());
}

}  // namespace
}  // namespace gjbz108a::test
