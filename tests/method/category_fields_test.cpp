#include "method/category_fields.h"
#include "method/item_codes.h"

#include <gjbz108a/records.h>

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace gjbz108a {
namespace {

TEST(CategoryFields, EveryCategoryHasNonOverlappingFieldsInsideItsBlock) {
    for (const Category& category : categories()) {
        const auto fields = category_fields(category.item_code);
        ASSERT_FALSE(fields.empty()) << category.name;
        EXPECT_EQ(fields.front().key, "subtype");
        std::set<std::string_view> keys;
        unsigned end = 0;
        for (const ParameterField& field : fields) {
            EXPECT_GE(field.offset, end) << category.name << " " << field.key;  // block order, no overlap
            end = field.offset + field_width(field.type);
            EXPECT_LE(end, unsigned{GJBZ108A_BLOCK_SIZE});
            EXPECT_TRUE(keys.insert(field.key).second) << category.name << " " << field.key;
            for (char ch : field.key) EXPECT_TRUE(std::islower(ch) || ch == '_') << field.key;
            EXPECT_EQ(field.type == FieldType::selection, !field.entries.empty()) << field.key;
        }
    }
    EXPECT_TRUE(category_fields(4).empty());
}

TEST(CategoryFields, ListsKeepTheirTextsAndOrder) {
    const auto* package = find_field(1, "package");
    ASSERT_NE(package, nullptr);
    ASSERT_EQ(package->entries.size(), 13u);
    EXPECT_EQ(package->entries[6], "Package Metallic Shell");
    EXPECT_EQ(package->entries[12], "Unpack SMT(Chip carrier)");

    EXPECT_EQ(find_field(15, "style")->entries[1], "Infrated LED");
    EXPECT_EQ(find_field(29, "type")->entries[3], "Amplifer");
    EXPECT_EQ(find_field(29, "type")->entries.size(), 40u);
    EXPECT_EQ(find_field(29, "axis")->entries[1], "Duble");
    EXPECT_EQ(find_field(30, "type")->entries.size(), 34u);
    EXPECT_EQ(find_field(7, "quality")->entries.size(), 10u);
    EXPECT_EQ(find_field(33, "quality")->entries[8], "User");
}

TEST(CategoryFields, OffsetsMatchTheRecordLayout) {
    // Spot checks of fields whose offsets differ between categories.
    EXPECT_EQ(find_field(5, "quality")->offset, 3);
    EXPECT_EQ(find_field(12, "user_pi_q")->offset, 16);
    EXPECT_EQ(find_field(14, "user_pi_q")->offset, 12);
    EXPECT_EQ(find_field(10, "cores")->offset, 9);
    EXPECT_EQ(find_field(19, "clip")->offset, 16);
    EXPECT_EQ(find_field(20, "user_pi_q")->offset, 6);
    EXPECT_EQ(find_field(33, "passives")->offset, 10);
    EXPECT_EQ(find_field(2, "seal")->offset, 20);
    EXPECT_EQ(find_field(2, "transistors")->type, FieldType::i32);
    EXPECT_EQ(find_field(3, "elements")->type, FieldType::u32);
    EXPECT_EQ(find_field(1, "bits")->type, FieldType::f32);
}

TEST(ItemCodes, NamesAreTheDialogTitles) {
    EXPECT_EQ(categories().size(), 28u);
    EXPECT_EQ(find_category(20)->name, "PRINTED WIRINING BOARDS");
    EXPECT_EQ(find_category(27)->name, "SURFACE ACCOUSTIC WAVE");
    for (unsigned code : {0u, 4u, 17u, 23u, 26u, 32u, 34u, 255u}) EXPECT_EQ(find_category(code), nullptr);
}

}  // namespace
}  // namespace gjbz108a
