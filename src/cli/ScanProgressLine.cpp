#include "cli/ScanProgressLine.h"

#include <ostream>

#include "cli/ScanProgressText.h"

namespace quillet {
namespace {

// Often enough to look alive, seldom enough to cost nothing; a scan shorter than this shows
// no line at all.
constexpr std::chrono::milliseconds kRedrawInterval(200);

}  // namespace

ScanProgressLine::ScanProgressLine(std::ostream& err, const std::function<int()>& columns)
    : Err_(err),
      Columns_(columns),
      Shown_(columns && columns() > 0),
      Start_(std::chrono::steady_clock::now()),
      NextDraw_(Start_ + kRedrawInterval) {}

ScanProgressLine::~ScanProgressLine() {
    Wipe();
}

TScanOptions ScanProgressLine::Watching(TScanOptions options) {
    if (!Shown_) return options;
    Next_ = options.Sink;
    options.Sink = this;
    options.Progress = [this](const std::string& path) { FolderEntered(path); };
    // A message about the scan goes on a line of its own, and the progress line comes back.
    if (options.FolderNotRead) {
        options.FolderNotRead = [this, tell = std::move(options.FolderNotRead)](
                                    const std::string& path, ReadFailure why, bool inPart) {
            Wipe();
            tell(path, why, inPart);
        };
    }
    return options;
}

void ScanProgressLine::FolderOpened(std::string_view name, const FolderEntry* entry,
                                    const FolderHandle* handle) {
    if (Next_) Next_->FolderOpened(name, entry, handle);
}

void ScanProgressLine::FileFound(const FolderEntry& entry) {
    ++Files_;
    if (Next_) Next_->FileFound(entry);
}

void ScanProgressLine::FolderExcluded(std::string_view name) {
    if (Next_) Next_->FolderExcluded(name);
}

void ScanProgressLine::FolderClosed() {
    if (Next_) Next_->FolderClosed();
}

void ScanProgressLine::FolderEntered(const std::string& path) {
    ++Folders_;
    const auto now = std::chrono::steady_clock::now();
    if (now < NextDraw_) return;
    NextDraw_ = now + kRedrawInterval;
    const std::chrono::duration<double> elapsed = now - Start_;
    const std::string text = ScanProgressText(Files_, Folders_, path, Columns_(), elapsed.count());
    const int columns = TextColumns(text);
    // Blanks over what the longer line before left behind.
    Err_ << '\r' << text << std::string(std::max(DrawnColumns_ - columns, 0), ' ');
    Err_.flush();
    DrawnColumns_ = columns;
}

void ScanProgressLine::Wipe() {
    if (DrawnColumns_ == 0) return;
    Err_ << '\r' << std::string(DrawnColumns_, ' ') << '\r';
    Err_.flush();
    DrawnColumns_ = 0;
}

}  // namespace quillet
