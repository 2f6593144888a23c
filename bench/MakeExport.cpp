// Writes an ncdu JSON export of a tree that exists nowhere, for the benchmarks of trees larger
// than a disk holds comfortably: a home-shaped tree (folders of a dozen or so small files, a few
// of hundreds, names of 4 to 24 characters, depth within ten) with one folder "big" under the
// root that holds a tenth of the entries as files. Written as it is made, in the order of the
// tree, so it takes no memory. The same seed gives the same export.
//
//   quillet-makeexport FILE ENTRIES [SEED]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

class ExportWriter {
public:
    ExportWriter(std::FILE* out, long target, std::uint64_t seed)
        : Out_(out), Target_(target), Random_(seed) {}

    void Write() {
        std::fprintf(Out_,
                     "[1,2,{\"progname\":\"quillet-makeexport\",\"progver\":\"1\","
                     "\"timestamp\":1}");
        std::fprintf(Out_, ",\n[{\"name\":\"/big-export\",\"asize\":4096,\"dsize\":4096}");
        BeginFolder("big");
        for (long i = 0, files = Target_ / 10; i < files && Made_ < Target_; ++i)
            File("f" + std::to_string(i) + ".dat");
        EndFolder();
        for (long top = 0; Made_ < Target_; ++top)
            Folder(Name() + "-" + std::to_string(top), 1);
        std::fprintf(Out_, "]]\n");
    }

private:
    // A folder's files, then its sub-folders, each filled the same way down to depth ten.
    void Folder(const std::string& name, int depth) {
        BeginFolder(name);
        const bool crowded = Random_() % 50 == 0;
        const long files =
            crowded ? 200 + static_cast<long>(Random_() % 600) : static_cast<long>(Random_() % 25);
        for (long i = 0; i < files && Made_ < Target_; ++i)
            File(Name() + "." + std::to_string(i));  // the index keeps names distinct
        const int subfolders = depth >= 10 ? 0 : static_cast<int>(Random_() % 4);
        for (int i = 0; i < subfolders && Made_ < Target_; ++i)
            Folder(Name() + "-" + std::to_string(i), depth + 1);
        EndFolder();
    }

    void BeginFolder(const std::string& name) {
        ++Made_;
        std::fprintf(Out_, ",\n[{\"name\":\"%s\",\"asize\":4096,\"dsize\":4096}", name.c_str());
    }

    void EndFolder() { std::fputc(']', Out_); }

    // Mostly small files; one in a hundred of a megabyte or more.
    void File(const std::string& name) {
        ++Made_;
        const long size = Random_() % 100 == 0 ? static_cast<long>((1 + Random_() % 64) << 20)
                                               : static_cast<long>(Random_() % 2048);
        const long onDisk = (size + 4095) / 4096 * 4096;
        std::fprintf(Out_, ",\n{\"name\":\"%s\",\"asize\":%ld,\"dsize\":%ld}", name.c_str(), size,
                     onDisk);
    }

    std::string Name() {
        static const char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-";
        const int length = 4 + static_cast<int>(Random_() % 21);
        std::string name;
        for (int i = 0; i < length; ++i)
            name += kLetters[Random_() % (sizeof kLetters - 1)];
        return name;
    }

    std::FILE* Out_;
    const long Target_;
    std::mt19937_64 Random_;
    long Made_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILE ENTRIES [SEED]\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    ExportWriter(out, std::atol(argv[2]), argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1)
        .Write();
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
