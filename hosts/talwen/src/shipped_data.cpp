#include "shipped_data.h"

#include "csv_exchange.h"

#include <sstream>

namespace gjbz108a::talwen {

// Generated at build time from data/*.csv (embed_text.cmake).
extern const char kShippedDefaults[];
extern const char kShippedParts[];
extern const char kShippedCrossReferences[];

void add_shipped_data(ComponentLibrary::Writer& writer) {
    std::istringstream defaults(kShippedDefaults), parts(kShippedParts), references(kShippedCrossReferences);
    import_defaults(writer, defaults, "shipped defaults.csv");
    import_parts(writer, parts, "shipped parts.csv");
    import_cross_references(writer, references, "shipped cross_references.csv");
}

}  // namespace gjbz108a::talwen
