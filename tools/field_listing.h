// The parameter columns of every category, with their keys, field titles and
// accepted values, as Markdown. `gjbz108a --list-fields` prints it, and the
// README's reference section is this text, so the two cannot drift apart.
#pragma once

#include "records/item_codes.h"

#include <ostream>

namespace gjbz108a::cli {

// Every category, or only `category`.
void list_fields(std::ostream& out, const Category* category = nullptr);

}  // namespace gjbz108a::cli
