// The walk of quillet-walk spread over THREADS threads: a shared stack of folders to read, each
// thread taking one, listing it with getdents64, one fstatat per entry, and putting its
// sub-folders on the stack. The floor a scan with helper threads is measured against; it keeps
// no order and nothing beyond the stack's paths.
//
//   quillet-walk-threads THREADS FOLDER
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "StatEachEntry.h"

namespace {

class Walk {
public:
    explicit Walk(dev_t device) : Device_(device) {}

    void Add(std::string path) {
        std::lock_guard lock(Mutex_);
        Pending_.push_back(std::move(path));
    }

    void Run() {
        std::vector<char> buffer(32 * 1024);
        std::vector<std::string> found;
        std::uint64_t entries = 0, bytes = 0;
        for (;;) {
            std::string path;
            {
                std::unique_lock lock(Mutex_);
                Idle_.wait(lock, [&] { return !Pending_.empty() || Busy_ == 0; });
                if (Pending_.empty()) break;
                path = std::move(Pending_.back());
                Pending_.pop_back();
                ++Busy_;
            }
            Read(path, buffer, found, entries, bytes);
            std::lock_guard lock(Mutex_);
            --Busy_;
            for (std::string& folder : found)
                Pending_.push_back(std::move(folder));
            found.clear();
            Idle_.notify_all();
        }
        std::lock_guard lock(Mutex_);
        Entries += entries;
        Bytes += bytes;
        Idle_.notify_all();
    }

    std::uint64_t Entries = 0;
    std::uint64_t Bytes = 0;

private:
    void Read(const std::string& path, std::vector<char>& buffer, std::vector<std::string>& found,
              std::uint64_t& entries, std::uint64_t& bytes) const {
        const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) return;
        StatEachEntry(fd, buffer, [&](const char* name, const struct stat& st) {
            ++entries;
            bytes += static_cast<std::uint64_t>(st.st_size);
            if (S_ISDIR(st.st_mode) && st.st_dev == Device_) found.push_back(path + '/' + name);
        });
        close(fd);
    }

    const dev_t Device_;
    std::mutex Mutex_;
    std::condition_variable Idle_;
    std::vector<std::string> Pending_;
    int Busy_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const int threads = argc == 3 ? std::atoi(argv[1]) : 0;
    if (threads < 1) {
        std::fprintf(stderr, "usage: %s THREADS FOLDER\n", argv[0]);
        return 2;
    }
    struct stat st;
    if (stat(argv[2], &st) != 0) {
        std::perror(argv[2]);
        return 2;
    }
    Walk walk(st.st_dev);
    walk.Add(argv[2]);
    std::vector<std::thread> pool;
    for (int i = 0; i < threads; ++i)
        pool.emplace_back([&walk] { walk.Run(); });
    for (std::thread& thread : pool)
        thread.join();
    std::printf("%llu entries, %llu bytes\n", static_cast<unsigned long long>(walk.Entries),
                static_cast<unsigned long long>(walk.Bytes));
    return 0;
}
