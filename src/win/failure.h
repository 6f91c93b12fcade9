#pragma once
#include <stdexcept>
#include <string>

namespace pelkor {

// A run-time failure that a handler catches and turns into its own message box.
class RuntimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace pelkor
