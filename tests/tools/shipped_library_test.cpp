// The starter library and the defaults that come with the host library can be
// used as they stand: every stored part, and a part of every type of every
// category that gives nothing but its type, passes the parameter check and is
// computed.
#include "tools/prediction/predict.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "process_library.h"

#include "component_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace gjbz108a::cli {
namespace {

constexpr const char* kGeneral = "ref,qty,category,environment,temperature,cycling_rate";

void expect_every_part_computed(const std::string& list, const std::string& name) {
    std::istringstream in(list);
    std::ostringstream out, diagnostics;
    EXPECT_EQ(predict(in, name, Format::text, View::parts, out, diagnostics), kAllComputed) << out.str();
    EXPECT_EQ(diagnostics.str(), "");
}

TEST(ShippedLibrary, EveryStarterPartIsComputed) {
    test::FreshDatabase database;
    talwen::ComponentLibrary library(database.path());
    std::ostringstream list;
    list << kGeneral << ",generic_name\n";
    std::size_t parts = 0;
    for (const talwen::Part& part : library.parts()) {
        ASSERT_EQ(part.generic_name.find_first_of(",\""), std::string::npos) << part.generic_name;
        list << 'P' << ++parts << ",1," << unsigned{part.item_code} << ",1,30,0," << part.generic_name << '\n';
    }
    EXPECT_EQ(parts, 70u);  // the rows of hosts/talwen/data/parts.csv
    expect_every_part_computed(list.str(), "starter.csv");
}

TEST(ShippedLibrary, APartOfEveryTypeIsComputedFromTheDefaultsAlone) {
    test::FreshDatabase database;
    constexpr std::string_view kTypeKeys[] = {"type", "style", "construction", "configuration"};
    std::ostringstream list;
    list << kGeneral;
    for (std::string_view key : kTypeKeys) list << ',' << key;
    list << '\n';
    std::size_t rows = 0;
    for (const Category& category : categories()) {
        const auto fields = category_fields(category.item_code);
        const auto type = std::ranges::find(fields, std::uint8_t{1}, &ParameterField::offset);
        const std::size_t types = type == fields.end() ? 1 : type->entries.size();
        for (std::size_t code = 1; code <= types; ++code) {
            list << 'T' << ++rows << ",1," << unsigned{category.item_code} << ",1,30,0";
            for (std::string_view key : kTypeKeys) {
                list << ',';
                if (type != fields.end() && key == type->key) list << code;
            }
            list << '\n';
        }
    }
    expect_every_part_computed(list.str(), "types.csv");
}

}  // namespace
}  // namespace gjbz108a::cli
