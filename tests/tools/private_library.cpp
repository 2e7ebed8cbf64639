// Every process of this suite works on a component library of its own in a
// temporary folder (ctest runs each test in a process of its own): no test
// touches the user's database, and tests running at once never share one. The
// tool that the end-to-end tests start inherits it.
#include "process_library.h"

namespace gjbz108a::cli::test {
namespace {

const gjbz108a::test::TemporaryLibrary library;

}  // namespace

const gjbz108a::test::TemporaryLibrary& process_library() { return library; }

}  // namespace gjbz108a::cli::test
