#pragma once

#include <stdexcept>

namespace databuilder {

// A fault in the sources or the output folder; the builder prints it and exits non-zero.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace databuilder
