#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Helpers shared by the test programs.
namespace testsupport {

// A fresh empty folder for one test, below the build folder.
std::string freshDir(const std::string& name);

// Path of a file of the independent reference fixtures, and whether they are present.
std::string fixture(const std::string& relative);
bool haveFixtures();

std::vector<std::uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& data);
void writeText(const std::string& path, const std::string& text);

// Bytes spelled as blank-separated hexadecimal pairs: "41 42 0C".
std::vector<std::uint8_t> hexBytes(const std::string& hex);

}  // namespace testsupport

// Skips the current test when the reference fixtures are not beside the checkout.
#define REQUIRE_FIXTURES()                                                         \
    do {                                                                           \
        if (!testsupport::haveFixtures()) GTEST_SKIP() << "no reference fixtures"; \
    } while (0)
