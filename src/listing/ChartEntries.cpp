#include "listing/ChartEntries.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace quillet {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the whole text is [sign] digits [. digits] [e [sign] digits] with at least one digit
// in the mantissa.
bool IsPlainNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

// An entry's value and where it stood: sorting these moves 16 bytes a swap, not an entry.
struct TSortKey {
    double Value;
    std::size_t Index;
};

// One step of the quicksort over [left, right] of anything with a Value, pivot in the middle:
// the larger values go to the left. Returns where the two parts still to sort end and begin,
// [left, j] and [i, right]; what lies between them is in its place. The same values end in the
// same order whatever else the items carry.
template <class Item>
std::pair<long, long> Partition(std::vector<Item>& keys, long left, long right) {
    const double pivot = keys[static_cast<std::size_t>((left + right) / 2)].Value;
    long i = left;
    long j = right;
    do {
        while (keys[static_cast<std::size_t>(i)].Value > pivot)
            ++i;
        while (keys[static_cast<std::size_t>(j)].Value < pivot)
            --j;
        if (i <= j) {
            std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    return {j, i};
}

// The whole quicksort over [left, right]. It recurses into the smaller part and loops over the
// larger, which keeps the stack shallow; the parts are apart, so the order in which they are
// sorted changes nothing.
template <class Item>
void QuickSort(std::vector<Item>& keys, long left, long right) {
    while (left < right) {
        const auto [j, i] = Partition(keys, left, right);
        if (j - left < right - i) {
            if (left < j) QuickSort(keys, left, j);
            left = i;
        } else {
            if (i < right) QuickSort(keys, i, right);
            right = j;
        }
    }
}

}  // namespace

std::string_view TrimEntryText(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

TEntryParts SplitEntryText(std::string_view trimmed) {
    const auto blank = trimmed.find(' ');
    if (blank == std::string_view::npos) return {trimmed, {}};
    // At most 999 characters are taken from the blank on.
    return {trimmed.substr(0, blank), TrimEntryText(trimmed.substr(blank, 999))};
}

std::optional<double> ReadEntryValue(std::string_view valuePart) {
    if (!IsPlainNumber(valuePart)) return std::nullopt;
    if (valuePart.front() == '+') valuePart.remove_prefix(1);
    double value = 0;
    const auto result =
        std::from_chars(valuePart.data(), valuePart.data() + valuePart.size(), value);
    if (result.ec == std::errc::result_out_of_range) return std::nullopt;
    if (result.ec != std::errc() || result.ptr != valuePart.data() + valuePart.size()) {
        return std::nullopt;
    }
    return value;
}

double PrepareEntries(TStringListWithDouble& entries) {
    double total = 0;
    std::size_t kept = 0;
    for (TChartEntry& entry : entries) {
        const std::string_view trimmed = TrimEntryText(entry.Text);
        const auto value = ReadEntryValue(SplitEntryText(trimmed).Value);
        if (!value) continue;
        const double v = *value < 0 ? -*value : *value;
        total += v;
        if (trimmed.size() != entry.Text.size()) {
            entry.Text = std::string(trimmed);
        }
        entry.Record.Value = v;
        if (&entries[kept] != &entry) entries[kept] = std::move(entry);
        ++kept;
    }
    entries.resize(kept);
    return total;
}

double PrepareGrowthEntries(TStringListWithDouble& entries) {
    PrepareEntries(entries);
    double total = 0;
    for (TChartEntry& entry : entries) {
        if (entry.Text.front() == '-') {
            entry.Record.Value = -entry.Record.Value;
        } else {
            total += entry.Record.Value;
        }
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const TChartEntry& a, const TChartEntry& b) { return a.Record.Value > b.Record.Value; });
    for (TChartEntry& entry : entries)
        entry.Record.Value = std::max(entry.Record.Value, 0.0);
    return total;
}

void SortEntries(TStringListWithDouble& entries) {
    if (entries.size() < 2) return;
    std::vector<TSortKey> keys(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys[i] = {entries[i].Record.Value, i};
    QuickSort(keys, 0, static_cast<long>(keys.size()) - 1);
    TStringListWithDouble sorted;
    sorted.reserve(entries.size());
    for (const TSortKey& key : keys)
        sorted.push_back(std::move(entries[key.Index]));
    entries = std::move(sorted);
}

TChartEntries::TChartEntries(TStringListWithDouble entries) {
    Records_.reserve(entries.size());
    Texts_.reserve(entries.size());
    for (TChartEntry& entry : entries) {
        Records_.push_back(entry.Record);
        Texts_.push_back(std::move(entry.Text));
    }
    Sorted_ = Records_.size();
}

TChartEntries::TChartEntries(std::vector<TObjectAndDouble> records, TEntryTextMaker text)
    : Records_(std::move(records)), MakeText_(std::move(text)) {
    if (Records_.size() >= 2) Unsorted_.push_back({0, static_cast<long>(Records_.size()) - 1});
    Sorted_ = Unsorted_.empty() ? Records_.size() : 0;
}

void TChartEntries::SortUpTo(std::size_t end) const {
    // Beyond this many ranges waiting, a range is sorted at once: however the values lie, the
    // list of ranges stays short.
    constexpr std::size_t kMostWaiting = 64;
    while (!Unsorted_.empty() && static_cast<std::size_t>(Unsorted_.back().first) < end) {
        const auto [left, right] = Unsorted_.back();
        Unsorted_.pop_back();
        const auto [j, i] = Partition(Records_, left, right);
        if (i < right) {
            if (Unsorted_.size() < kMostWaiting) {
                Unsorted_.push_back({i, right});
            } else {
                QuickSort(Records_, i, right);
            }
        }
        if (left < j) Unsorted_.push_back({left, j});
    }
    Sorted_ =
        Unsorted_.empty() ? Records_.size() : static_cast<std::size_t>(Unsorted_.back().first);
}

std::string TChartEntries::Text(std::size_t index) const {
    return MakeText_ ? MakeText_(Record(index)) : Texts_[index];
}

}  // namespace quillet
