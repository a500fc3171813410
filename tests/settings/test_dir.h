// A fresh temporary directory per test, removed afterwards.
#pragma once

#include <string>

namespace tesh::test {

class TestDir {
public:
    TestDir();
    ~TestDir();
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;
    // The directory with a trailing separator, as the program directory is written.
    const std::string& path() const { return path_; }
    std::string File(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;

private:
    std::string path_;
};

}  // namespace tesh::test
