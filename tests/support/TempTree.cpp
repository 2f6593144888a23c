#include "support/TempTree.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace quillet::test {
namespace fs = std::filesystem;

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "quillet-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    if (!mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    Root_ = buffer.data();
}

TempTree::~TempTree() {
    std::error_code ignored;
    fs::remove_all(Root_, ignored);
}

std::string TempTree::Path(const std::string& relative) const {
    return Root_ + "/" + relative;
}

std::string TempTree::Folder(const std::string& relative) const {
    const std::string path = Path(relative);
    fs::create_directories(path);
    return path;
}

std::string TempTree::File(const std::string& relative, std::uint64_t bytes) const {
    const std::string path = Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    const std::string block(4096, 'q');
    for (std::uint64_t left = bytes; left > 0;) {
        const auto n = static_cast<std::streamsize>(std::min<std::uint64_t>(left, block.size()));
        out.write(block.data(), n);
        left -= static_cast<std::uint64_t>(n);
    }
    return path;
}

std::string TempTree::SparseFile(const std::string& relative, std::uint64_t bytes) const {
    const std::string path = Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
        throw std::runtime_error("cannot make sparse file " + path);
    }
    close(fd);
    return path;
}

std::string TempTree::Link(const std::string& relative, const std::string& target) const {
    const std::string path = Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    fs::create_symlink(target, path);
    return path;
}

std::string FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace quillet::test
