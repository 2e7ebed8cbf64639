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
#include <stdexcept>
#include <string>
#include <vector>

#include <stdlib.h>

namespace fs = std::filesystem;
using namespace gjbz108a;

namespace {

// A seed's bytes in the order its target reads them.
class Seed {
public:
    template <typename T>
    Seed& put(T value) {
        return bytes(&value, sizeof value);
    }
    Seed& bytes(const void* data, std::size_t size) {
        bytes_.append(static_cast<const char*>(data), size);
        return *this;
    }
    // A text as the component library target reads it: length byte, bytes.
    Seed& text(std::string_view text) {
        return put(static_cast<std::uint8_t>(text.size())).bytes(text.data(), text.size());
    }
    void write(const fs::path& folder, const std::string& name) const {
        fs::create_directories(folder);
        std::ofstream out(folder / name, std::ios::binary);
        out << bytes_;
        out.close();
        if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
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
    if (!in) throw std::runtime_error("cannot read " + file.string());
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

// The ItemRecord a host hands to calc_item (the header, the effective block and
// results of zero), and the slack behind it: 456 bytes in all.
Seed item_record(const cli::Part& part) {
    const std::array<std::uint8_t, 456 - GJBZ108A_ITEM_BLOCK - GJBZ108A_BLOCK_SIZE> rest{};
    return Seed().bytes(part.record.data(), GJBZ108A_ITEM_BLOCK)
        .bytes(part.record.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK, GJBZ108A_BLOCK_SIZE)
        .bytes(rest.data(), rest.size());
}

Seed report_request(const cli::Part& part, std::int32_t column, std::int32_t mode) {
    const std::int32_t item_code = part.record[GJBZ108A_ITEM_CODE];
    return Seed().put<std::int32_t>(1).put(item_code).put(column).put(mode).put<std::int32_t>(1)
        .put<std::int32_t>(static_cast<std::int32_t>(part.quantity)).put<std::int8_t>(4).put<std::int32_t>(4)
        .bytes(part.record.data(), part.record.size());
}

const std::uint8_t* entered_block(const cli::Part& part) { return part.record.data() + GJBZ108A_EDIT_ENTERED_BLOCK; }

void write_part_seeds(const fs::path& corpus, const ExamplePart& example, const ExamplePart& neighbour) {
    const cli::Part& part = example.part;
    const std::uint8_t item_code = part.record[GJBZ108A_ITEM_CODE];
    for (const char* target : {"calc_item", "chek_item"}) item_record(part).write(corpus / target, example.name);

    // A parameter cell (refreshed) and a factor cell, in a column chosen by the line.
    for (const auto& [mode, what] : {std::pair{1, "-parameters"}, {GJBZ108A_REPORT_FACTORS, "-factors"}}) {
        uint32_t columns = 0;
        GetFieldsCount(1, item_code, mode, &columns);
        if (columns > 0)
            report_request(part, static_cast<std::int32_t>(part.line % columns + 1), mode)
                .write(corpus / "report_fields", example.name + what);
    }

    // The category's own field list; the neighbour's block as defaults and as
    // conditions or new values.
    Seed().put<std::uint8_t>(static_cast<std::uint8_t>(2 * item_code))
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(neighbour.part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE)
        .write(corpus / "defaults", example.name);
    Seed().put<std::uint8_t>(static_cast<std::uint8_t>(2 * item_code))
        .put<std::int32_t>(1)
        .put<std::int32_t>(static_cast<std::int32_t>(part.line % 4))
        .bytes(entered_block(part), GJBZ108A_BLOCK_SIZE)
        .bytes(entered_block(neighbour.part), GJBZ108A_BLOCK_SIZE)
        .write(corpus / "global_change", example.name);
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
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".csv") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string csv{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in) throw std::runtime_error("cannot read " + entry.path().string());
        const std::string json = cli::test::json_rendering(csv);
        Seed().bytes(csv.data(), csv.size()).write(corpus / "parts_list", entry.path().filename().string());
        Seed().bytes(json.data(), json.size()).write(corpus / "parts_list", entry.path().stem().string() + ".json");
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
    int status = 0;
    try {
        const auto library = cli::make_host_library();
        if (!library->reachable()) throw std::runtime_error("the component library cannot be loaded");
        std::vector<ExamplePart> examples;
        for (const char* list : {"board.csv", "power_rf.csv"}) {
            auto parts = read_examples(source / "examples" / list, *library);
            examples.insert(examples.end(), parts.begin(), parts.end());
        }
        for (std::size_t i = 0; i < examples.size(); ++i)
            write_part_seeds(corpus, examples[i], examples[(i + 1) % examples.size()]);
        write_component_library_seeds(corpus, examples);
        write_list_seeds(corpus, source / "examples");
        if (!(std::cout << examples.size() << " example parts written as seeds to " << corpus.string() << std::endl))
            throw std::runtime_error("cannot write the standard output");
    } catch (const std::exception& error) {
        std::cerr << "fuzz_seeds: " << error.what() << "\n";
        status = 1;
    }
    fs::remove_all(folder);
    return status;
}
