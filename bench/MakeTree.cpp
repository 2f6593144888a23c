// Makes a folder tree of a given number of entries for the scan benchmarks, in one of three
// shapes. The same seed gives the same tree.
//
//   home    (the default) like a home folder: most folders hold a dozen or so small files, a
//           few hold hundreds, names are 4 to 24 characters, depth stays within about ten.
//   server  like a file server's share: a folder for every 11 entries, most of them small (72 %
//           of the entries sit in folders of fewer than 100), 18 % in folders of 100 to 1,000,
//           5 % in a few of 1,000 to 4,095 and 5 % in four of 11,000 to 13,300 (at a million
//           entries); depth up to 7, names of 5 to 20 characters, file sizes spread from bytes
//           to a gigabyte, each left as a hole beyond its first block.
//   mixed   a few big folders among many small ones: 10 % of the entries in about fifty
//           folders, four of 11,000 to 13,000 entries and the others of 1,000 to 1,300 (at a
//           million entries), the rest in folders of 1 to 19; depth up to 7, names of 8 to 20
//           characters, files as on the server.
//
//   quillet-maketree FOLDER ENTRIES [SEED] [home|server|mixed]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

std::string RandomName(std::mt19937_64& random, int shortest = 4, int longest = 24) {
    static const char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-";
    const int length = shortest + static_cast<int>(random() % (longest - shortest + 1));
    std::string name;
    for (int i = 0; i < length; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

long MakeHomeTree(const std::string& root, long target, std::mt19937_64& random,
                  std::size_t& folderCount);
// Folders of between Low and High entries take Share of a tree's entries; Low and High grow
// with the tree beyond a million entries when Scaled.
struct FolderClass {
    double Share;
    long Low;
    long High;
    bool Scaled;
};

// A tree of folders in the given classes (the entries left over go to folders of 1 to
// smallest entries) and of names of shortest to longest characters.
long MakeSharedTree(const std::string& root, long target, std::mt19937_64& random,
                    const std::vector<FolderClass>& classes, long smallest, int shortest,
                    int longest, std::size_t& folderCount);

}  // namespace

int main(int argc, char** argv) {
    const std::string shape = argc > 4 ? argv[4] : "home";
    if (argc < 3 || (shape != "home" && shape != "server" && shape != "mixed")) {
        std::fprintf(stderr, "usage: %s FOLDER ENTRIES [SEED] [home|server|mixed]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const long target = std::atol(argv[2]);
    std::mt19937_64 random(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    if (mkdir(root.c_str(), 0755) != 0) {
        std::perror(root.c_str());
        return 1;
    }
    std::size_t folders = 0;
    long made = 0;
    if (shape == "server")
        made = MakeSharedTree(
            root, target, random,
            {{0.05, 11000, 13300, true}, {0.05, 1000, 4095, false}, {0.18, 100, 1000, false}}, 15,
            5, 20, folders);
    else if (shape == "mixed")
        made = MakeSharedTree(root, target, random,
                              {{0.048, 11000, 13000, true}, {0.052, 1000, 1300, true}}, 19, 8, 20,
                              folders);
    else
        made = MakeHomeTree(root, target, random, folders);
    std::printf("%ld entries in %zu folders\n", made, folders);
    return 0;
}

namespace {

long MakeHomeTree(const std::string& root, long target, std::mt19937_64& random,
                  std::size_t& folderCount) {
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
    folderCount = folders.size();
    return made;
}

// A file of a size spread evenly over the logarithm, from 1 byte to 1 GiB: the first block is
// written, the rest left as a hole, so the tree takes little room.
void MakeServerFile(const std::string& path, std::mt19937_64& random, const std::string& data) {
    const double size =
        std::exp(std::uniform_real_distribution<double>(0, 30 * std::log(2.0))(random));
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return;  // a name drawn twice
    const auto bytes = static_cast<off_t>(size);
    if (write(fd, data.data(),
              std::min<std::size_t>(data.size(), static_cast<std::size_t>(bytes))) < 0 ||
        ftruncate(fd, bytes) != 0) {
        std::perror(path.c_str());
    }
    close(fd);
}

long MakeSharedTree(const std::string& root, long target, std::mt19937_64& random,
                    const std::vector<FolderClass>& classes, long smallest, int shortest,
                    int longest, std::size_t& folderCount) {
    // First how many entries each folder holds, by class, then where each folder goes.
    const double scale = static_cast<double>(target) / 1e6;
    std::vector<long> sizes;
    long planned = 0;
    const auto plan = [&](long share, long low, long high) {
        for (long placed = 0; placed < share;) {
            const long size =
                std::min(share - placed, low + static_cast<long>(random() % (high - low + 1)));
            sizes.push_back(size);
            placed += size;
        }
        planned += share;
    };
    for (const FolderClass& c : classes) {
        const double grown = c.Scaled ? std::max(scale, 0.01) : 1.0;
        plan(static_cast<long>(c.Share * target), static_cast<long>(c.Low * grown),
             static_cast<long>(c.High * grown));
    }
    plan(target - planned, 1, smallest);
    std::shuffle(sizes.begin() + 1, sizes.end(), random);

    // Each folder after the first takes one entry of an earlier folder above depth 7; a
    // folder's other entries are files.
    struct Folder {
        std::string Path;
        int Depth;
        long Free;  // entries not yet given to a sub-folder
    };
    std::vector<Folder> folders{{root, 0, sizes[0]}};
    std::vector<std::size_t> open{0};  // folders that may still take a sub-folder
    for (std::size_t i = 1; i < sizes.size() && !open.empty(); ++i) {
        const std::size_t pick = random() % open.size();
        Folder& parent = folders[open[pick]];
        const std::string path = parent.Path + "/" + RandomName(random, shortest, longest);
        if (mkdir(path.c_str(), 0755) != 0) continue;  // a name drawn twice
        const int depth = parent.Depth + 1;
        if (--parent.Free == 0) {
            open[pick] = open.back();
            open.pop_back();
        }
        folders.push_back({path, depth, sizes[i]});
        if (depth < 7 && folders.back().Free > 0) open.push_back(folders.size() - 1);
    }
    const std::string data(4096, 'x');
    long made = static_cast<long>(folders.size()) - 1;
    for (const Folder& folder : folders) {
        for (long i = 0; i < folder.Free && made < target; ++i, ++made)
            MakeServerFile(folder.Path + "/" + RandomName(random, shortest, longest), random, data);
    }
    folderCount = folders.size();
    return made;
}

}  // namespace
