// The subcommands of gjbz108a lib, each on an open component library. Bad
// arguments throw UsageError, what the library refuses or does not find
// throws talwen::Error, an input that cannot be read ReadError; each carries
// the message for the user. An output file not written throws WriteError.
#pragma once

#include "component_library.h"

#include <istream>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string_view>

namespace gjbz108a::cli::lib {

using talwen::ComponentLibrary;
using Arguments = std::span<const std::string_view>;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An output file that was not written; its reason is on the error stream.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool progress;  // show the progress of an import on `err`
};

void show(ComponentLibrary& library, Arguments arguments, Streams streams);
void search(ComponentLibrary& library, Arguments arguments, Streams streams);
void add(ComponentLibrary& library, Arguments arguments, Streams streams);
void cross_reference(ComponentLibrary& library, Arguments arguments, Streams streams);
void defaults(ComponentLibrary& library, Arguments arguments, Streams streams);
void import_table(ComponentLibrary& library, Arguments arguments, Streams streams);
void export_table(ComponentLibrary& library, Arguments arguments, Streams streams);
void environments(ComponentLibrary& library, Arguments arguments, Streams streams);

}  // namespace gjbz108a::cli::lib
