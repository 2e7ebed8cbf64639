// Runs predict over a parts list given as text, against the fake model and
// library, and keeps what it wrote.
#pragma once

#include "tools/prediction/predict.h"

#include "fake_library.h"
#include "fake_model.h"

#include <sstream>
#include <string>

namespace gjbz108a::cli::test {

// The general columns, which every list has.
inline constexpr const char* kHeader = "ref,qty,category,environment,temperature,cycling_rate";

struct Prediction {
    ExitStatus status;
    std::string out;
    std::string diagnostics;
};

inline Prediction predict_list(const std::string& list, const std::string& file_name, Format format, View view,
                               CalculateFunction calculate, const RunOptions& options = {}) {
    std::istringstream in(list);
    std::ostringstream out, diagnostics;
    FakeLibrary library;
    const ExitStatus status =
        predict(in, file_name, format, view, out, diagnostics, calculate, &library, nullptr, options);
    return {status, out.str(), diagnostics.str()};
}

inline Prediction predict_text(const std::string& list, Format format = Format::json,
                               CalculateFunction calculate = &temperature_as_rate) {
    return predict_list(list, "parts.csv", format, View::parts, calculate);
}

// The counts of parts in the summary of the JSON report.
inline std::string counts(unsigned read, unsigned computed, unsigned warnings, unsigned refused) {
    return "\"summary\":{\"parts_read\":" + std::to_string(read) + ",\"computed\":" + std::to_string(computed) +
           ",\"computed_with_warnings\":" + std::to_string(warnings) + ",\"refused\":" + std::to_string(refused) +
           ",\"pieces_read\":";
}

}  // namespace gjbz108a::cli::test
