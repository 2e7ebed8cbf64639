// The parts held for the report tables: each category comes back in list
// order, the same whether its parts stayed in memory or went through the
// temporary file, which leaves nothing behind and whose failure is told.
#include "support/portable.h"
#include "tools/reports/held_parts.h"

#include <gjbz108a/records.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

#if defined(_WIN32)
constexpr const char* kTemporaryFolderVariable = "TMP";
#else
constexpr const char* kTemporaryFolderVariable = "TMPDIR";
#endif

constexpr unsigned kCodes[] = {7, 25, 0};  // CAPACITOR, FUSES, and no known category

// "R" + to_string draws a false -Wrestrict from GCC 12.
std::string ref_of(unsigned i) { return std::string(1, 'R').append(std::to_string(i)); }

// 90 parts, the three categories in turn, every third one not computed.
void add_parts(HeldParts& parts) {
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
    for (unsigned i = 0; i < 90; ++i) {
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(kCodes[i % 3] == 0 ? 200 : kCodes[i % 3]);
        const std::string ref = ref_of(i);
        const std::string messages = i % 2 == 0 ? "" : std::string(i, 'm') + "\nsecond line";
        const Status status = i % 3 == 1 ? Status::not_computed : i % 4 == 0 ? Status::warnings : Status::computed;
        parts.add({ref, i, kCodes[i % 3] == 0 ? "Gizmo" : "kind", status, 0.5f * static_cast<float>(i),
                   0.25 * i, messages, record.data()});
    }
}

TEST(HeldParts, GiveBackEachCategoryInListOrderFromMemoryOrFile) {
    HeldParts in_memory;
    HeldParts in_file(1);  // every part goes to the file
    add_parts(in_memory);
    add_parts(in_file);
    for (const unsigned code : kCodes) {
        SCOPED_TRACE(code);
        ASSERT_EQ(in_memory.count(code), 30u);
        ASSERT_EQ(in_file.count(code), 30u);
        for (int pass = 0; pass < 2; ++pass) {  // the text tables read a category twice
            auto memory = in_memory.read(code);
            auto file = in_file.read(code);
            unsigned i = code == 7 ? 0 : code == 25 ? 1 : 2;
            for (; const HeldPart* part = file.next(); i += 3) {
                const HeldPart* same = memory.next();
                ASSERT_NE(same, nullptr);
                EXPECT_EQ(part->ref, ref_of(i));
                EXPECT_EQ(part->quantity, i);
                EXPECT_EQ(part->category, code == 0 ? "Gizmo" : "kind");
                EXPECT_EQ(part->status, i % 3 == 1 ? Status::not_computed : i % 4 == 0 ? Status::warnings : Status::computed);
                EXPECT_EQ(part->failure_rate, 0.5f * static_cast<float>(i));
                EXPECT_EQ(part->quantity_rate, 0.25 * i);
                EXPECT_EQ(part->messages, i % 2 == 0 ? "" : std::string(i, 'm') + "\nsecond line");
                EXPECT_EQ(part->parameters.size(), report_table(code, TableKind::parameters).columns().size());
                EXPECT_EQ(part->factors.size(),
                          part->status == Status::not_computed ? 0 : report_table(code, TableKind::factors).columns().size());
                EXPECT_EQ(part->parameters, same->parameters);
                EXPECT_EQ(part->factors, same->factors);
                EXPECT_EQ(part->ref, same->ref);
            }
            EXPECT_EQ(i / 3, 30u);
            EXPECT_EQ(memory.next(), nullptr);
        }
    }
    EXPECT_FALSE(in_file.read(7).next()->parameters.empty());  // the capacitor's cells were held
}

TEST(HeldParts, TemporaryFileLeavesNothingAndItsFailureIsTold) {
    const char* before = std::getenv(kTemporaryFolderVariable);
    const std::string saved = before ? before : "";
    const std::filesystem::path folder = test::make_unique_folder("held-parts-");
    test::set_environment(kTemporaryFolderVariable, folder.string());
    {
        HeldParts parts(1);
        add_parts(parts);
        EXPECT_EQ(parts.read(25).next()->ref, "R1");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));

    test::set_environment(kTemporaryFolderVariable, (folder / "missing").string());
    HeldParts parts(1);
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
    record[GJBZ108A_ITEM_CODE] = 7;
    try {
        parts.add({"C1", 1, "kind", Status::computed, 1.0f, 1.0, "", record.data()});
        ADD_FAILURE() << "a temporary file in a missing folder";
    } catch (const SpoolError& error) {
        EXPECT_TRUE(std::string_view(error.what()).starts_with("cannot ")) << error.what();
    }
    if (before) test::set_environment(kTemporaryFolderVariable, saved);
    else test::unset_environment(kTemporaryFolderVariable);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace gjbz108a::cli
