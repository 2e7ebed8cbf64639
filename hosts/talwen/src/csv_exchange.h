// The library's three tables as CSV files, in and out.
//
// parts:            generic_name, category, [item_class], then one column per
//                   parameter, named by the parameter's key as in a parts list
// cross references: name_kind ("catalog number", "military number",
//                   "part name"), name, generic_name
// defaults:         [item_class], category, type, subtype, field, value, why;
//                   one row per default value. An empty type or subtype means
//                   the set applies to any; the type is a list entry of the
//                   category's type field (or its code).
//
// category takes the ItemCode or the category's name (export writes the name),
// item_class defaults to 1. As in a parts list, column names and list entries
// ignore letter case, and a column whose name begins with # holds notes.
// An import runs inside the caller's transaction and stops at the first bad
// row with "source:line: what is wrong", so a file lands whole or not at all.
#pragma once

#include "component_library.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace gjbz108a::talwen {

// Called after each stored row with the number of rows stored so far.
using ImportProgress = std::function<void(std::size_t rows)>;

std::size_t import_parts(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                         const ImportProgress& progress = {});
std::size_t import_cross_references(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                                    const ImportProgress& progress = {});
std::size_t import_defaults(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                            const ImportProgress& progress = {});

void export_parts(ComponentLibrary& library, std::ostream& out);
void export_cross_references(ComponentLibrary& library, std::ostream& out);
void export_defaults(ComponentLibrary& library, std::ostream& out);

}  // namespace gjbz108a::talwen
