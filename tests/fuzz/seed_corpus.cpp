// Writes the seed corpus of the fuzz targets from the shipped example parts
// lists, read as the tool reads them with the shipped component library's
// defaults (in a database of its own; the plug-in must find libtalwen.so):
// every part as a record for calc_item and chek_item, as report requests, as
// blocks with its category's field list, and as calls into the component
// library; the lists themselves, and their JSON renderings, seed the
// parts-list readers. Run it after a change of an input layout (./dev
// fuzz-seeds); the seeds are kept in the repository so that CI replays the
// same inputs. Seeds written by hand (a dialect's corners, made-up field
// lists, regression inputs) are files of the corpus and stay as they are.
//
//   fuzz_seeds SOURCE_DIR   (writes SOURCE_DIR/tests/fuzz/corpus/<target>/)
#include "records/record.h"
#include "tools/prediction/calculation.h"
#include "tools/prediction/host_part_library.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/part_reader.h"

#include "../tools/json_rendering.h"

#include <gjbz108a/gjbz108a.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

namespace fs = std::filesystem;
using namespace gjbz108a;

namespace {

class Seed {
public:
    template <typename T>
    Seed& put(T value) {
        const auto* bytes = reinterpret_cast<const char*>(&value);
        bytes_.append(bytes, sizeof value);
        return *this;
    }
    Seed& bytes(const void* data, std::size_t size) {
        bytes_.append(static_cast<const char*>(data), size);
        return *this;
    }
    // A text as the component library target reads it: length byte, bytes.
    Seed& text(std::string_view text) {
        put(static_cast<std::uint8_t>(text.size()));
        bytes_.append(text);
        return *this;
    }
    void write(const fs::path& folder, const std::string& name) const {
        fs::create_directories(folder);
        std::ofstream(folder / name, std::ios::binary) << bytes_;
    }

private:
    std::string bytes_;
};

struct ExamplePart {
    std::string name;  // file and line
    cli::Part part;
};

std::vector<ExamplePart> read_examples(const fs::path& file, PartLibrary& library) {
    std::ifstream in(file, std::ios::binary);
    cli::CsvReader csv(in);
    std::vector<ExamplePart> parts;
    if (!csv.next()) return parts;
    std::vector<cli::HeaderProblem> problems;
    const cli::ColumnLayout layout(csv, problems);
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(file.string(), ignored);
    cli::PartReader reader(layout, diagnostics, library);
    cli::Calculator calculator;
    cli::Part part;
    while (csv.next()) {
        if (!reader.read(csv, part) || part.refused()) continue;
        calculator.calculate(part.record.data());  // fills the result block for the report seeds
        parts.push_back({file.stem().string() + "-" + std::to_string(part.line), part});
    }
    return parts;
}

// The ItemRecord a host hands to calc_item (effective block and results), and
// the slack behind it.
Seed item_record(const cli::Part& part) {
    std::array<std::uint8_t, 456> record{};
    std::memcpy(record.data(), part.record.data(), GJBZ108A_HEADER_SIZE);
    std::memcpy(record.data() + GJBZ108A_ITEM_BLOCK, part.record.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK,
                GJBZ108A_BLOCK_SIZE);
    Seed seed;
    seed.bytes(record.data(), record.size());
    return seed;
}

Seed report_request(const cli::Part& part, std::int32_t column, std::int32_t mode) {
    Seed seed;
    const std::int32_t item_code = part.record[GJBZ108A_ITEM_CODE];
    seed.put<std::int32_t>(1).put(item_code).put(column).put(mode).put<std::int32_t>(1);
    seed.put<std::int32_t>(static_cast<std::int32_t>(part.quantity)).put<std::int8_t>(4).put<std::int32_t>(4);
    seed.bytes(part.record.data(), part.record.size());
    return seed;
}

const std::uint8_t* entered_block(const cli::Part& part) { return part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK; }

void write_part_seeds(const fs::path& corpus, const ExamplePart& example, const ExamplePart& neighbour) {
    const cli::Part& part = example.part;
    const std::uint8_t item_code = part.record[GJBZ108A_ITEM_CODE];
    item_record(part).write(corpus / "calc_item", example.name);
    item_record(part).write(corpus / "chek_item", example.name);

    uint32_t parameters = 0, factors = 0;
    GetFieldsCount(1, item_code, 0, &parameters);
    GetFieldsCount(1, item_code, GJBZ108A_REPORT_FACTORS, &factors);
    if (parameters > 0)
        report_request(part, static_cast<std::int32_t>(part.line % parameters + 1), 1)
            .write(corpus / "report_fields", example.name + "-parameters");
    if (factors > 0)
        report_request(part, static_cast<std::int32_t>(part.line % factors + 1), GJBZ108A_REPORT_FACTORS)
            .write(corpus / "report_fields", example.name + "-factors");

    // The category's own field list; the neighbour's block as defaults and as
    // conditions or new values.
    Seed defaults;
    defaults.put<std::uint8_t>(static_cast<std::uint8_t>(2 * item_code))
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(neighbour.part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE);
    defaults.write(corpus / "defaults", example.name);
    Seed change;
    change.put<std::uint8_t>(static_cast<std::uint8_t>(2 * item_code))
        .put<std::int32_t>(1)
        .put<std::int32_t>(static_cast<std::int32_t>(part.line % 4))
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(neighbour.part), GJBZ108A_BLOCK_SIZE);
    change.write(corpus / "global_change", example.name);
}

// Calls into the component library: store a part, refer to it, find it and
// search for it, and look up its type's defaults.
void write_component_library_seeds(const fs::path& corpus, const std::vector<ExamplePart>& examples) {
    for (std::size_t i = 0; i < examples.size(); i += 7) {
        const cli::Part& part = examples[i].part;
        const std::string name = "SEED " + examples[i].name;
        const std::string key = "CAT-" + std::to_string(part.line);
        const std::uint8_t item_code = part.record[GJBZ108A_ITEM_CODE];
        Seed seed;
        seed.put<std::uint8_t>(2).put<std::int16_t>(1).put(item_code).text(name);   // PutToLib
        seed.bytes(entered_block(part), GJBZ108A_BLOCK_SIZE);
        seed.put<std::uint8_t>(3).put<std::int8_t>(2).text(key).text(name);         // PutToXref
        seed.put<std::uint8_t>(0).put<std::uint8_t>(1).put<std::int8_t>(2).put<std::uint8_t>(1).put(item_code)
            .text(key).text("");                                                     // GetFromLib
        seed.put<std::uint8_t>(4).put<std::int8_t>(static_cast<std::int8_t>(1 + i % 2)).put<std::int8_t>(1)
            .put<std::uint8_t>(1).put(item_code).text("seed");                       // SearchInLib
        seed.put<std::uint8_t>(1).put<std::uint8_t>(1).put<std::int16_t>(1).put<std::int16_t>(item_code)
            .put<std::int16_t>(entered_block(part)[1]).put<std::int16_t>(0);         // GetDflt
        seed.write(corpus / "component_library", examples[i].name);
    }
}

// The example lists, and their JSON renderings, for the parts-list readers.
void write_list_seeds(const fs::path& corpus, const fs::path& examples) {
    const fs::path folder = corpus / "parts_list";
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".csv") continue;
        fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string csv{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::ofstream(folder / entry.path().stem().concat(".json"), std::ios::binary) << cli::test::json_rendering(csv);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds SOURCE_DIR\n";
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path corpus = source / "tests" / "fuzz" / "corpus";
    std::string folder = (fs::temp_directory_path() / "fuzz-seeds-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) return 1;
    ::setenv("TALWEN_DB", (fs::path(folder) / "library.db").c_str(), 1);
    const auto library = cli::make_host_library();
    if (!library->reachable()) {
        std::cerr << "fuzz_seeds: the component library cannot be loaded\n";
        return 1;
    }
    std::vector<ExamplePart> examples;
    for (const char* list : {"board.csv", "power_rf.csv"}) {
        auto parts = read_examples(source / "examples" / list, *library);
        examples.insert(examples.end(), parts.begin(), parts.end());
    }
    for (std::size_t i = 0; i < examples.size(); ++i)
        write_part_seeds(corpus, examples[i], examples[(i + 1) % examples.size()]);
    write_component_library_seeds(corpus, examples);
    write_list_seeds(corpus, source / "examples");
    fs::remove_all(folder);
    std::cout << examples.size() << " example parts written as seeds to " << corpus.string() << "\n";
    return 0;
}
