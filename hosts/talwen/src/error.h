// The one exception type of the component library. Its message names what
// failed and why, ready to show to a user.
#pragma once

#include <stdexcept>

namespace gjbz108a::talwen {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace gjbz108a::talwen
