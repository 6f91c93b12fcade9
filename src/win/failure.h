#pragma once
#include <exception>

namespace pelkor {

// A run-time failure that a handler catches and turns into its own message box.
class RuntimeFailure : public std::exception {
public:
    explicit RuntimeFailure(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

}  // namespace pelkor
