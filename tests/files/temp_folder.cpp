// Per-test temporary folders.
#include "tests/files/temp_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace ninefold::test {

TempFolder::TempFolder() {
    std::random_device device;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("ninefold-test-" + std::to_string(device()));
    } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace ninefold::test
