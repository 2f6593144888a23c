// Makes a folder tree of a given number of entries for the scan benchmarks, shaped like a
// home folder: most folders hold a dozen or so small files, a few hold hundreds, names are
// 4 to 24 characters, depth stays within about ten levels. The same seed gives the same tree.
//
//   quillet-maketree FOLDER ENTRIES [SEED]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

std::string RandomName(std::mt19937_64& random) {
    static const char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-";
    const int length = 4 + static_cast<int>(random() % 21);
    std::string name;
    for (int i = 0; i < length; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER ENTRIES [SEED]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const long target = std::atol(argv[2]);
    std::mt19937_64 random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    if (mkdir(root.c_str(), 0755) != 0) {
        std::perror(root.c_str());
        return 1;
    }

    std::vector<std::pair<std::string, int>> folders = {{root, 0}};  // path, depth
    const std::string data(4096, 'x');
    long made = 0;
    for (std::size_t next = 0; made < target; ++next) {
        if (next == folders.size()) next = 0;  // wrap round and add more to existing folders
        const auto [path, depth] = folders[next];
        const bool crowded = random() % 50 == 0;
        const int files =
            crowded ? 200 + static_cast<int>(random() % 600) : static_cast<int>(random() % 25);
        const int subfolders = depth >= 10 ? 0 : static_cast<int>(random() % 4);
        for (int i = 0; i < files && made < target; ++i, ++made) {
            const std::string file = path + "/" + RandomName(random) + ".dat";
            const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (fd < 0) continue;  // a name drawn twice
            // Mostly small files; one in a hundred of a megabyte or more, left as a hole.
            if (random() % 100 == 0) {
                if (ftruncate(fd, static_cast<off_t>((1 + random() % 64) << 20)) != 0)
                    std::perror(file.c_str());
            } else if (write(fd, data.data(), random() % 2048) < 0) {
                std::perror(file.c_str());
            }
            close(fd);
        }
        for (int i = 0; i < subfolders && made < target; ++i, ++made) {
            const std::string folder = path + "/" + RandomName(random);
            if (mkdir(folder.c_str(), 0755) == 0) folders.emplace_back(folder, depth + 1);
        }
    }
    std::printf("%ld entries in %zu folders\n", made, folders.size());
    return 0;
}
