#pragma once

#include <stdexcept>
#include <string>

namespace xj {

// A failed operation carries the error number the program's behaviour talks about:
// negative numbers come from the media control, 380 is an invalid value, 5 an invalid call,
// 68 and 71 a device that is not ready.
class Failure : public std::runtime_error {
public:
    explicit Failure(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "error " + std::to_string(number) : what),
          number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

namespace err {
constexpr int InvalidCall = 5;
constexpr int InvalidValue = 380;
constexpr int DeviceUnavailable = 68;
constexpr int DiskNotReady = 71;
} // namespace err

} // namespace xj
