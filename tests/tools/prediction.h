// Runs predict over a parts list given as text, against the fake model and
// library, and keeps what it wrote.
#pragma once

#include "tools/predict.h"

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

inline Prediction predict_text(const std::string& list, Format format = Format::json,
                               CalculateFunction calculate = &temperature_as_rate) {
    std::istringstream in(list);
    std::ostringstream out, diagnostics;
    FakeLibrary library;
    const ExitStatus status = predict(in, "parts.csv", format, View::parts, out, diagnostics, calculate, &library);
    return {status, out.str(), diagnostics.str()};
}

}  // namespace gjbz108a::cli::test
