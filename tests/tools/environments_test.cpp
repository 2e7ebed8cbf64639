// Environments: what the models make of each code, by the documented factor
// tables; the host's environment list, good and bad; names in a parts list.
#include "records/item_codes.h"
#include "tools/environments/environment_names.h"
#include "tools/environments/environments_command.h"
#include "tools/parts_list/general_values.h"

#include <gjbz108a/records.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

// PI e by EnvironmentCode from the documented tables: the resistor table R-2
// (Metal Film), the capacitor table C-5 (Ceramic (Class 2)) and the
// integrated circuits' table of the "Package" group. The other codes are not
// supported by the models.
const std::map<unsigned, std::array<float, 3>> kDocumentedPiE = {
    {1, {1, 1, 1}},          {2, {1.1f, 1.1f, 1.5f}},  {3, {1.8f, 2.8f, 2.4f}},  {4, {4, 5.1f, 6.3f}},
    {5, {5.6f, 7, 6.8f}},    {6, {3.8f, 4.9f, 6.7f}},  {7, {2.5f, 2.9f, 4.3f}},  {8, {10, 9.1f, 11}},
    {9, {4.5f, 5.7f, 8.5f}}, {10, {3.5f, 4.6f, 6}},    {11, {12.5f, 12, 16}},    {12, {2.5f, 6, 8}},
    {13, {6, 8.1f, 9}},      {16, {5, 7.7f, 11.4f}},   {17, {6.1f, 9.2f, 12}},   {21, {11, 14, 17}},
    {22, {0.5f, 1, 1.2f}},   {23, {15, 8, 10}},        {26, {26, 17, 23}},
};

TEST(Environments, EveryCodeWithItsColumnAndTheDocumentedFactors) {
    const std::array<int, kLastEnvironmentCode> columns{0,  1,  2,  4,  6,  7,  8,  10, 9,  3,  15, 13, 5, -1,
                                                        -1, 11, 14, -1, -1, -1, 12, 16, 18, -1, -1, 17, -1};
    unsigned code = 0;
    for (const EnvironmentRow& row : environment_rows()) {
        ++code;
        EXPECT_EQ(row.code, code);
        EXPECT_EQ(row.column, columns[code - 1]) << code;
        const auto documented = kDocumentedPiE.find(code);
        for (std::size_t part = 0; part < row.pi_e.size(); ++part) {
            if (documented == kDocumentedPiE.end()) {
                EXPECT_EQ(row.pi_e[part], std::nullopt) << code << ' ' << part;
            } else {
                ASSERT_TRUE(row.pi_e[part]) << code << ' ' << part;
                EXPECT_EQ(*row.pi_e[part], documented->second[part]) << code << ' ' << part;
            }
        }
    }
    EXPECT_EQ(code, kLastEnvironmentCode);
}

// A list file as the dialog's ENV list reads it, or why it is refused.
std::string reading(std::string_view text) {
    std::string why;
    const std::optional<EnvironmentNames> names = EnvironmentNames::read(text, "env.lst", why);
    if (!names) return why;
    std::string shown;
    for (unsigned code = 1; code <= kLastEnvironmentCode; ++code)
        if (!names->name(code).empty()) shown.append(std::to_string(code)).append("=").append(names->name(code)).append(" ");
    return shown;
}

TEST(Environments, AListReadsAsTheDialogShowsItOrIsRefused) {
    std::string full = "---\n";
    for (int code = 1; code <= 27; ++code) full.append("E").append(std::to_string(code)).append("\n");
    const std::string start = "env.lst:1: the first line is ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"---\nGround, benign\nGF\n", "1=Ground, benign 2=GF "},
        {"---\r\nGB\r\n---\r\n NS \r\n\r\n\n", "1=GB 3=NS "},  // CRLF, a code without a name, blanks, empty ends
        {"---\nGB", "1=GB "},
        {"---\n", ""},
        {"", "env.lst:1: the file is empty; an environment list starts with ---, then a name a line"},
        {"GB\nGF\n", start + "'GB', but an environment list starts with ---, the entry of no environment; the names "
                             "of codes 1 to 27 follow it, one a line"},
        {full + "E28\n", "env.lst:29: the codes end at 27, on line 28; the list has more lines"},
        {"---\nGB\n\nGF\n", "env.lst:3: an empty line ends the dialog's list, and names follow it; remove the empty "
                            "line"},
        {"---\nGB\ngb\n", "env.lst:3: 'gb' is the name of code 1 already (letter case aside)"},
        {"---\nGB\n  \n", "env.lst:3: a name is empty or only blanks; write --- for a code without a name"},
        {"---\n12\n", "env.lst:2: '12' would read as an environment code; a name needs a character that is not a "
                      "digit"},
        {"---\n" + std::string(99, 'x') + "\n",
         "env.lst:2: a name is longer than 98 characters (bytes), the most the dialog's list reads"},
        {"---\n" + std::string(98, 'x') + "\n", "1=" + std::string(98, 'x') + " "},
        {std::string("---\nG\0B\n", 8), "env.lst:2: a name holds a NUL character"},
        {std::string(64 * 1024 + 1, '-'), "env.lst:1: the file is longer than 64 KiB; an environment list has a line "
                                          "for each of 27 codes"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(reading(text), expected) << text.substr(0, 40);
    std::string why;  // value() throws, and so fails the test, where a list is refused
    EXPECT_EQ(EnvironmentNames::read(full, "env.lst", why).value().list_text(), full);
    EXPECT_EQ(EnvironmentNames::read("---\r\nGB\r\n---\r\nNS\r\n", "env.lst", why).value().list_text(),
              "---\nGB\n---\nNS\n");
}

TEST(Environments, TheEnvironmentColumnTakesACodeOrANameOfTheList) {
    std::string why;
    const EnvironmentNames names = EnvironmentNames::read("---\nGB\nGF\n", "env.lst", why).value();
    const GeneralField& environment = *general_field_named("environment");
    const auto read = [&](std::string_view text, const EnvironmentNames* list) {
        std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
        why.clear();
        if (!read_general_value(environment, text, record.data(), why, list)) return why;
        return "= " + std::to_string(record[GJBZ108A_ENVIRONMENT_CODE]);
    };
    EXPECT_EQ(read("gf", &names), "= 2");
    EXPECT_EQ(read("GB", &names), "= 1");
    EXPECT_EQ(read("14", &names), "= 14");
    EXPECT_EQ(read("GM", &names),
              "'GM' is neither an environment code (1 to 27) nor a name of the environment list");
    EXPECT_EQ(read("GB", nullptr), "'GB' is not an environment code (1 to 27), and no environment list names one "
                                   "(see gjbz108a environments --help)");
}

}  // namespace
}  // namespace gjbz108a::cli
