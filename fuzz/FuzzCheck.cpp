#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace FuzzCheck {

namespace {
Handler g_handler = nullptr;
}

void setFailureHandler(Handler handler) { g_handler = handler; }

void fail(const std::string& what) {
    if (g_handler) g_handler(what);
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

}  // namespace FuzzCheck
