#pragma once
#include <string>

// What a harness does when a property fails. Under libFuzzer the failure is printed and
// the process aborts, which makes the input a crash artifact; the regression test
// installs a handler that turns it into a failed test row instead.
namespace FuzzCheck {

using Handler = void (*)(const std::string& what);
void setFailureHandler(Handler handler);

// Reports the failure through the handler, then aborts if the handler returns.
[[noreturn]] void fail(const std::string& what);

inline void require(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

}  // namespace FuzzCheck
