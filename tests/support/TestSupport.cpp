#include "support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

std::string freshDir(const std::string& name) {
    fs::path p = fs::path(TAMSEL_TEST_TMP) / name;
    std::error_code ec;
#ifdef _WIN32
    // Copies of the read-only fixtures are read-only as well, and Windows removes no read-only file.
    for (auto it = fs::recursive_directory_iterator(p, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    fs::remove_all(p, ec);
    fs::create_directories(p);
    return p.string();
}

std::string fixture(const std::string& relative) { return (fs::path(TAMSEL_FIXTURES_DIR) / relative).string(); }

bool haveFixtures() { return fs::exists(fs::path(TAMSEL_FIXTURES_DIR) / "nes-1" / "game.nes"); }

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

void writeText(const std::string& path, const std::string& text) { writeBytes(path, {text.begin(), text.end()}); }

std::vector<std::uint8_t> hexBytes(const std::string& hex) {
    std::vector<std::uint8_t> out;
    std::istringstream in(hex);
    for (std::string pair; in >> pair;) out.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
    return out;
}

}  // namespace testsupport
