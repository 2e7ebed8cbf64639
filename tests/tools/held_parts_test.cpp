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
#include <tuple>

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

// Part i of the 90 that add_parts holds, the three categories in turn, every
// third one not computed, as ref, quantity, category, status, failure rate,
// quantity x rate and messages.
auto given(unsigned i) {
    const Status status = i % 3 == 1 ? Status::not_computed : i % 4 == 0 ? Status::warnings : Status::computed;
    return std::tuple(ref_of(i), i, std::string(kCodes[i % 3] == 0 ? "Gizmo" : "kind"), status,
                      0.5f * static_cast<float>(i), 0.25 * i, i % 2 == 0 ? "" : std::string(i, 'm') + "\nsecond line");
}

auto fields(const HeldPart& part) {
    return std::tie(part.ref, part.quantity, part.category, part.status, part.failure_rate, part.quantity_rate,
                    part.messages);
}

void add_parts(HeldParts& parts) {
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
    for (unsigned i = 0; i < 90; ++i) {
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(kCodes[i % 3] == 0 ? 200 : kCodes[i % 3]);
        const auto [ref, quantity, category, status, rate, quantity_rate, messages] = given(i);
        parts.add({ref, quantity, category, status, rate, quantity_rate, messages, record.data()});
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
                EXPECT_EQ(fields(*part), given(i));
                EXPECT_EQ(fields(*same), given(i));
                EXPECT_EQ(part->parameters.size(), report_table(code, TableKind::parameters).columns().size());
                EXPECT_EQ(part->factors.size(),
                          part->status == Status::not_computed ? 0 : report_table(code, TableKind::factors).columns().size());
                EXPECT_EQ(part->parameters, same->parameters);
                EXPECT_EQ(part->factors, same->factors);
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
    try {
        add_parts(parts);
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
