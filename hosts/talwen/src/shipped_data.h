// The defaults and the starter library that a new database is filled with.
// They are the text files in hosts/talwen/data/, built into the library so
// that it needs no files beside it.
#pragma once

#include "component_library.h"

namespace gjbz108a::talwen {

void add_shipped_data(ComponentLibrary::Writer& writer);

}  // namespace gjbz108a::talwen
