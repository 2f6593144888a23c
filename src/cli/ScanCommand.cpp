#include "cli/ScanCommand.h"

#include <charconv>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>
#include <streambuf>

#include "base/AsciiCase.h"
#include "cli/ScanProgressLine.h"
#include "formats/EarlierScanReader.h"
#include "formats/ImportFolderSource.h"
#include "formats/NcduExport.h"
#include "formats/ProgramVersion.h"
#include "formats/QXVersionInfo.h"
#include "listing/ChartEntries.h"
#include "listing/FileTypeTotals.h"
#include "listing/GrowthEntries.h"
#include "listing/LargestFiles.h"
#include "listing/NameSearch.h"
#include "listing/SizeUnits.h"
#include "platform/FileWriting.h"
#include "platform/PathNames.h"
#include "platform/PathSeparator.h"
#include "platform/ReadFailureText.h"
#include "platform/RegularFile.h"
#include "scan/EarlierScan.h"
#include "scan/ExclusionList.h"
#include "scan/FolderWalk.h"
#include "scan/ShownName.h"
#include "scan/VolumeData.h"

namespace quillet {
namespace {

// The usage text, with what differs between the systems in the middle.
constexpr const char* kUsageStart =
    "Usage: quillet-scan [--units bytes|kB|MB|GB|TB|count] [--mode nominal|allocated|slack] "
    "FOLDER\n"
    "       quillet-scan --export FILE FOLDER\n"
    "       quillet-scan [--units UNIT] [--mode MODE] --import FILE\n"
    "       quillet-scan [--units UNIT] [--mode MODE] --since OLD FOLDER|--import FILE\n"
    "       quillet-scan [OPTIONS] --largest N|--types|--find PATTERN FOLDER|--import FILE\n"
    "\n"
    "Scans FOLDER and everything beneath it, then prints one line for each entry of FOLDER,\n"
    "largest first: its size, three blanks and its name in lower case. Sub-folders begin\n";
#ifdef _WIN32
constexpr const char* kUsageFolders =
    "with \"\\\". When FOLDER is a drive root, its free space is the first entry, negative.\n";
#else
constexpr const char* kUsageFolders =
    "with \"/\". When FOLDER is a mount point, its free space is the first entry, negative.\n";
#endif
constexpr const char* kUsageOptions =
    "\n"
    "  --units UNIT  bytes, kB, MB, GB, TB (powers of 1024) or count (number of files);\n"
    "                default kB\n"
    "  --mode MODE   nominal (file sizes), allocated (space taken on disk, in whole\n"
    "                clusters; the default) or slack (allocated minus nominal)\n"
    "  --export FILE write the scan of FOLDER to FILE (\"-\": standard output) in the JSON\n"
    "                export format of ncdu and gdu, instead of printing its rows; FILE\n"
    "                itself is left out of the scan\n"
    "  --import FILE print the rows of a scan exported by --export, ncdu -o or gdu -o\n"
    "                (FILE \"-\": standard input); allocated is the disk usage written in\n"
    "                the file, nominal the apparent size, or the disk usage of a file that\n"
    "                takes less (a sparse file)\n"
    "  --since OLD   print what changed since the scan exported in OLD (by --export,\n"
    "                ncdu -o or gdu -o): one line for each entry of FOLDER whose size\n"
    "                changed, largest growth first; a new entry counts its whole size, a\n"
    "                gone one its old size, negative. Entries are matched by name; the two\n"
    "                scanned folders are matched whatever their paths\n"
    "  --largest N   print the N largest files anywhere beneath FOLDER instead: size, three\n"
    "                blanks, path from FOLDER; files of one size by path. With count,\n"
    "                files are ranked and shown by nominal size in bytes; with --since,\n"
    "                the files that grew most (a new file by its whole size)\n"
    "  --types       print the files beneath FOLDER by type instead: size, three blanks,\n"
    "                number of files, three blanks, the text after the last dot of the\n"
    "                name in lower case, or (no extension); with --since, each type's\n"
    "                change\n"
    "  --find PATTERN print the files and folders beneath FOLDER whose names match\n"
    "                PATTERN instead, largest first: size, three blanks, path from FOLDER.\n"
    "                Text without * or ? matches anywhere in a name, with them the whole\n"
    "                name (* any characters, ? one); A to Z match either case; a character\n"
    "                shown as an escape (\\n, \\xHH) is typed as it is shown\n"
    "  --help        show this text\n"
    "  --version     show the version\n"
    "\n";
#ifdef _WIN32
constexpr const char* kUsageSystem =
    "Symbolic links, junctions and mount points are not followed. Folders named in the\n"
    "[Directories] section of Excludes.ini, in the program's folder, are left out when they\n"
    "lie directly in FOLDER.\n";
#else
constexpr const char* kUsageSystem =
    "Symbolic links are not followed and the scan stays on FOLDER's file system. Folders\n"
    "named in the [Directories] section of Excludes.ini are left out when they lie directly\n"
    "in FOLDER. Excludes.ini is read from the program's folder when it is there, else from\n"
    "$XDG_CONFIG_HOME/corvane (~/.config/corvane), else from each of $XDG_CONFIG_DIRS\n"
    "(/etc/xdg) with /corvane appended.\n";
#endif
constexpr const char* kUsageEnd =
    "\n"
    "Each folder beneath FOLDER that could not be read, or not in full, is named on standard\n"
    "error with the reason, and counts as what was read of it.\n"
    "\n"
    "Exit status: 0 when the folder was scanned, 1 when the listing or the export could not\n"
    "be written, 2 for wrong arguments, a folder that cannot be read or a scan file that\n"
    "cannot be imported, 3 when the scan was done but some folders beneath FOLDER could not\n"
    "be read in full.\n";

// More files than --largest lists would take more memory than a scan.
constexpr std::size_t kMaxLargest = 10'000'000;

// The scan was done, but some folders beneath the one asked for could not be read in full.
constexpr int kSomeFoldersNotRead = 3;

struct Arguments {
    TSizeUnit Unit = TSizeUnit::suKB;
    TDisplayMode Mode = TDisplayMode::dmAllocated;
    std::string Folder;
    std::optional<std::string> ExportFile;
    std::optional<std::string> ImportFile;
    std::optional<std::string> SinceFile;
    std::optional<std::size_t> Largest;
    bool Types = false;
    std::optional<std::string> Find;
    bool Help = false;
    bool Version = false;
};

std::optional<TSizeUnit> ParseUnit(const std::string& text) {
    const std::string lower = LowerAsciiLetters(text);
    if (lower == "bytes") return TSizeUnit::suBytes;
    if (lower == "kb") return TSizeUnit::suKB;
    if (lower == "mb") return TSizeUnit::suMB;
    if (lower == "gb") return TSizeUnit::suGB;
    if (lower == "tb") return TSizeUnit::suTB;
    if (lower == "count") return TSizeUnit::suCount;
    return std::nullopt;
}

std::optional<TDisplayMode> ParseMode(const std::string& text) {
    const std::string lower = LowerAsciiLetters(text);
    if (lower == "nominal") return TDisplayMode::dmNominal;
    if (lower == "allocated") return TDisplayMode::dmAllocated;
    if (lower == "slack") return TDisplayMode::dmSlackOnly;
    return std::nullopt;
}

// Empty on success, else what is wrong.
std::string Parse(const std::vector<std::string>& args, Arguments& parsed) {
    bool folderGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        const bool isOption = arg.size() > 2 && arg.compare(0, 2, "--") == 0;
        if (isOption && arg.find('=') != std::string::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        } else if (isOption &&
                   (arg == "--units" || arg == "--mode" || arg == "--export" || arg == "--import" ||
                    arg == "--since" || arg == "--largest" || arg == "--find")) {
            if (i + 1 == args.size()) return "option " + arg + " needs a value";
            value = args[++i];
        }
        if (arg == "--help" || arg == "-h") {
            parsed.Help = true;
        } else if (arg == "--version") {
            parsed.Version = true;
        } else if (arg == "--units") {
            const auto unit = ParseUnit(value);
            if (!unit) return "unknown unit '" + value + "' (bytes, kB, MB, GB, TB or count)";
            parsed.Unit = *unit;
        } else if (arg == "--mode") {
            const auto mode = ParseMode(value);
            if (!mode) return "unknown mode '" + value + "' (nominal, allocated or slack)";
            parsed.Mode = *mode;
        } else if (arg == "--export") {
            if (value.empty()) return "the --export FILE is empty";
            parsed.ExportFile = value;
        } else if (arg == "--import") {
            if (value.empty()) return "the --import FILE is empty";
            parsed.ImportFile = value;
        } else if (arg == "--since") {
            if (value.empty()) return "the --since FILE is empty";
            parsed.SinceFile = value;
        } else if (arg == "--largest") {
            std::size_t n = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
                n == 0 || n > kMaxLargest) {
                return "--largest needs a number of files from 1 to " +
                       std::to_string(kMaxLargest) + ", not '" + ShownName(value) + "'";
            }
            parsed.Largest = n;
        } else if (arg == "--types") {
            parsed.Types = true;
        } else if (arg == "--find") {
            if (value.empty()) return "the --find PATTERN is empty";
            parsed.Find = value;
        } else if (arg == "--" && i + 1 < args.size() && !folderGiven) {
            parsed.Folder = args[++i];
            folderGiven = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + args[i] + "'";
        } else if (folderGiven) {
            return "only one FOLDER can be scanned at a time";
        } else {
            parsed.Folder = arg;
            folderGiven = true;
        }
    }
    const bool scans = !parsed.Help && !parsed.Version && !parsed.ImportFile;
    if (parsed.ImportFile && (folderGiven || parsed.ExportFile))
        return "--import reads a FILE, not a FOLDER";
    if (parsed.SinceFile && parsed.ExportFile) return "--since prints changes, it cannot --export";
    const int views = (parsed.Largest ? 1 : 0) + (parsed.Types ? 1 : 0) + (parsed.Find ? 1 : 0);
    if (views > 1) return "only one of --largest, --types and --find can be given";
    if (views > 0 && parsed.ExportFile) return "--export writes the scan, it prints no rows";
    if (parsed.SinceFile && parsed.SinceFile == parsed.ImportFile && *parsed.SinceFile == "-")
        return "only one of --since and --import can read standard input";
    if (scans && !folderGiven) return "no FOLDER given";
    if (scans && parsed.Folder.empty()) return "the FOLDER argument is empty";
    return {};
}

// The rows of --largest, --types or --find, as the window's views show them.
std::vector<std::string> ViewRows(const TFolderList& root, const EarlierScan* earlier,
                                  const Arguments& parsed) {
    std::vector<std::string> rows;
    SubtreeWalk walk(root, earlier);
    if (parsed.Largest) {
        LargestFiles largest(*parsed.Largest, parsed.Mode, parsed.Unit, earlier != nullptr);
        walk.All([&](const SubtreeWalk::Visit& visit) { largest.Add(visit); });
        for (const TRankedFile& file : largest.Take())
            rows.push_back(RankedFileText(file.Value, file.Path, parsed.Unit));
    } else if (parsed.Types) {
        FileTypeTotals totals(parsed.Mode, parsed.Unit);
        do {
            SubtreeWalk(root).All([&](const SubtreeWalk::Visit& visit) { totals.Add(visit); });
            if (earlier) totals.Subtract(*earlier, root);
        } while (totals.EndPass());
        std::vector<TTypeTotal> types = totals.Take();
        SortTypes(types, parsed.Mode, parsed.Unit);
        for (const TTypeTotal& type : types)
            rows.push_back(TypeText(type, parsed.Mode, parsed.Unit));
    } else {
        NameSearch search(NamePattern(*parsed.Find), parsed.Mode, parsed.Unit);
        walk.All([&](const SubtreeWalk::Visit& visit) { search.Add(visit); });
        for (const TFolderData* node : search.Take()) {
            rows.push_back(EntrySizeText(EntryValue(*node, parsed.Mode, parsed.Unit), parsed.Unit) +
                           "   " + ShownName(RelativePath(*node, root)));
        }
    }
    return rows;
}

// Prints the root rows largest first, as the window lists them; or, compared with an earlier
// scan, the rows of what changed, largest growth first; or the rows of a view of the tree.
int PrintRows(const TFolderList& root, const EarlierScan* earlier, const Arguments& parsed,
              std::ostream& out, std::ostream& err) {
    TStringListWithDouble entries;
    if (parsed.Largest || parsed.Types || parsed.Find) {
        for (const std::string& row : ViewRows(root, earlier, parsed))
            entries.push_back({row, {}});
    } else if (earlier) {
        entries = GrowthEntries(root, *earlier, parsed.Mode, parsed.Unit);
        PrepareGrowthEntries(entries);
    } else {
        entries = FolderEntries(root, parsed.Mode, parsed.Unit);
        PrepareEntries(entries);
        SortEntries(entries);
    }
    for (const TChartEntry& entry : entries)
        out << entry.Text << '\n';
    out.flush();
    if (!out) {
        err << "quillet-scan: could not write the listing\n";
        return 1;
    }
    return 0;
}

// The file to read, standard input for "-"; null (and the reason on err) when it cannot be opened.
std::istream* OpenScanFile(const std::string& file, std::ifstream& opened, std::ostream& err) {
    if (file == "-") return &std::cin;
    opened.open(file, std::ios::binary);
    if (opened) return &opened;
    err << "quillet-scan: cannot open '" << ShownName(file) << "'\n";
    return nullptr;
}

// The scan to compare with, read as the scan of options counts files; none (and the reason on
// err) when it cannot be read.
std::optional<EarlierScan> ReadSince(const std::string& file, const TScanOptions& options,
                                     std::ostream& err) {
    std::ifstream opened;
    std::istream* in = OpenScanFile(file, opened, err);
    if (!in) return std::nullopt;
    TEarlierScanReading read = ReadEarlierScan(*in, ShownName(file), options);
    if (!read.Error.empty()) {
        err << "quillet-scan: " << read.Error << "\n";
        return std::nullopt;
    }
    return std::move(read.Scan);
}

// Roots are compared whatever their paths: say so when they differ.
void NoteOtherRoot(const EarlierScan& earlier, const TFolderList& root, std::ostream& err) {
    if (earlier.RootPath != root.Path())
        err << "quillet-scan: comparing " << ShownName(root.Path()) << " with the earlier scan of "
            << ShownName(earlier.RootPath) << "\n";
}

int Import(const std::string& file, const ScanCommandSystem& system, const Arguments& parsed,
           std::ostream& out, std::ostream& err) {
    std::optional<EarlierScan> earlier;
    if (parsed.SinceFile) {
        TScanOptions imported;
        imported.AllocationFromSource = true;
        earlier = ReadSince(*parsed.SinceFile, imported, err);
        if (!earlier) return 2;
    }
    std::ifstream opened;
    std::istream* in = OpenScanFile(file, opened, err);
    if (!in) return 2;
    std::string problem;
    {
        ScanProgressLine progress(err, system.ErrColumns);
        problem = ImportScan(system.Root, *in, ShownName(file), progress.Watching({}));
    }
    if (!problem.empty()) {
        err << "quillet-scan: " << problem << "\n";
        return 2;
    }
    if (earlier) NoteOtherRoot(*earlier, system.Root, err);
    return PrintRows(system.Root, earlier ? &*earlier : nullptr, parsed, out, err);
}

// What an export writes, handed on to the file that is to replace the old one.
class ReplacementBuffer : public std::streambuf {
public:
    explicit ReplacementBuffer(FileReplacement& file) : File_(file) {}

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        return File_.Write({bytes, static_cast<std::size_t>(count)}) ? count : 0;
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return File_.Write({&byte, 1}) ? c : traits_type::eof();
    }

private:
    FileReplacement& File_;
};

// Walks the folder at scanPath straight into an export writer, building no tree, so that memory
// does not grow with the tree, and leaving out the export's own files; false when writing
// failed.
bool ScanInto(std::ostream& to, const std::string& scanPath, const ScanCommandSystem& system,
              TScanOptions options, std::ostream& err,
              const std::vector<FileIdentity>& ownFiles = {}) {
    const TQXVersionInfo version;
    NcduExportWriter writer(to, "quillet-scan", version.ReadString("FileVersion"),
                            std::time(nullptr), options.ClusterSize);
    for (const FileIdentity& file : ownFiles)
        writer.LeaveOut(file);
    options.Sink = &writer;
    {
        ScanProgressLine progress(err, system.ErrColumns);
        WalkFolders(system.Folders, scanPath, progress.Watching(options));
    }
    return writer.Finish();
}

int Export(const std::string& file, const std::string& scanPath, const ScanCommandSystem& system,
           const TScanOptions& options, std::ostream& out, std::ostream& err) {
    bool written;
    if (file == "-") {
        written = ScanInto(out, scanPath, system, options, err);
    } else if (IsSpecialFile(file)) {
        // A pipe or a device is written as the scan goes, as standard output is.
        std::ofstream opened(file, std::ios::binary | std::ios::trunc);
        if (!opened) {
            err << "quillet-scan: cannot create '" << ShownName(file) << "'\n";
            return 1;
        }
        written = ScanInto(opened, scanPath, system, options, err);
    } else {
        // A file is replaced only once the whole export is on disk: an export that fails,
        // on a full disk say, leaves the old one as it was.
        FileReplacement replacement(file);
        if (replacement.Created().Outcome != WriteOutcome::Written) {
            err << "quillet-scan: cannot create '" << ShownName(file) << "'\n";
            return 1;
        }
        ReplacementBuffer buffer(replacement);
        std::ostream to(&buffer);
        written = ScanInto(to, scanPath, system, options, err, replacement.OwnFiles()) &&
                  replacement.Commit().Outcome == WriteOutcome::Written;
    }
    if (!written) {
        err << "quillet-scan: could not write '" << ShownName(file) << "'\n";
        return 1;
    }
    return 0;
}

// Names each folder the scan could not read on err, as du does, and counts them.
void ReportFoldersNotRead(TScanOptions& options, std::ostream& err, int& count) {
    options.FolderNotRead = [&err, &count](const std::string& path, ReadFailure why, bool inPart) {
        ++count;
        err << (inPart ? "quillet-scan: cannot read all of directory '"
                       : "quillet-scan: cannot read directory '")
            << ShownName(path.size() > 1 ? path.substr(0, path.size() - 1) : path)
            << "': " << ReadFailureText(why.Code) << "\n";
    };
}

}  // namespace

int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   ScanCommandSystem system) {
    Arguments parsed;
    if (const std::string problem = Parse(args, parsed); !problem.empty()) {
        err << "quillet-scan: " << problem << "\nTry 'quillet-scan --help' for more.\n";
        return 2;
    }
    if (parsed.Help) {
        out << kUsageStart << kUsageFolders << kUsageOptions << kUsageSystem << kUsageEnd;
        return 0;
    }
    if (parsed.Version) {
        out << ProgramVersionText("quillet-scan");
        return 0;
    }
    if (parsed.ImportFile) return Import(*parsed.ImportFile, system, parsed, out, err);
    const std::string folder = AbsoluteFolderPath(parsed.Folder);
    if (const std::string problem = FolderAccessError(folder); !problem.empty()) {
        err << "quillet-scan: cannot scan '" << ShownName(parsed.Folder) << "': " << problem
            << "\n";
        return 2;
    }
    const std::string scanPath = folder.back() == kPathSeparator ? folder : folder + kPathSeparator;

    const std::string exclusionText = ReadExclusionText(system.ExcludesFolder);
    const TVolumeData volume = ReadVolumeData(system.Volumes, scanPath);
    TFolderList& root = system.Root;
    std::uint8_t displayCompressed = 1;
    std::uint8_t displaySparse = 1;
    TScanOptions options = PrepareScan(root, scanPath, volume, exclusionText, !parsed.ExportFile,
                                       displayCompressed, displaySparse);
    int notRead = 0;
    ReportFoldersNotRead(options, err, notRead);
    const auto status = [&notRead](int written) {
        return written == 0 && notRead > 0 ? kSomeFoldersNotRead : written;
    };
    if (!parsed.ExportFile) {
        std::optional<EarlierScan> earlier;
        if (parsed.SinceFile) {
            earlier = ReadSince(*parsed.SinceFile, options, err);
            if (!earlier) return 2;
        }
        {
            ScanProgressLine progress(err, system.ErrColumns);
            root.Scan(system.Folders, progress.Watching(options));
        }
        if (earlier) NoteOtherRoot(*earlier, root, err);
        return status(PrintRows(root, earlier ? &*earlier : nullptr, parsed, out, err));
    }

    return status(Export(*parsed.ExportFile, scanPath, system, options, out, err));
}

}  // namespace quillet
