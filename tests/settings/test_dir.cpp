#include "tests/settings/test_dir.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "settings/file_io.h"

namespace tesh::test {

TestDir::TestDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    auto dir = std::filesystem::temp_directory_path() /
               ("tesh_test_" + std::to_string(rd()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    path_ = WithTrailingSeparator(dir.string());
}

TestDir::~TestDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TestDir::File(const std::string& relative) const { return JoinPath(path_, relative); }

void TestDir::Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::path p(File(relative));
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string TestDir::Read(const std::string& relative) const {
    return ReadWholeFile(File(relative)).value_or("");
}

}  // namespace tesh::test
