#include "formats/QXVersionInfo.h"

#include "formats/VersionResource.h"
#include "platform/ExecutableFolder.h"

namespace quillet {
namespace {

constexpr std::array<const char*, 12> kStandardNames = {
    "Comments",     "CompanyName",    "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFileName",
    "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};

std::uint32_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

TQXVersionInfo::TQXVersionInfo() {
    SetFileName({});
}

void TQXVersionInfo::SetFileName(const std::string& fileName) {
    FileName_ = fileName.empty() ? ExecutablePath() : fileName;
    ClearData();
    LoadData();
}

void TQXVersionInfo::LoadData() {
    HasVersionData_ = false;
    FixedInfo_.fill(0);
    Translations_.clear();
    VersionData_ = ReadFileVersionInfo(FileName_);
    if (VersionData_.empty()) {
        SetSelectedTranslation(-1);
        return;
    }
    HasVersionData_ = true;
    if (const auto fixed = QueryVersionValue(VersionData_, "\\")) {
        if (fixed->Bytes.size() >= 4 * FixedInfo_.size()) {
            for (std::size_t i = 0; i < FixedInfo_.size(); ++i)
                FixedInfo_[i] = Word(fixed->Bytes, 4 * i);
        }
    }
    if (const auto list = QueryVersionValue(VersionData_, "\\VarFileInfo\\Translation")) {
        for (std::size_t at = 0; at + 4 <= list->Bytes.size(); at += 4) {
            Translations_.push_back(Word(list->Bytes, at));
        }
    }
    SetSelectedTranslation(0);
}

void TQXVersionInfo::SetSelectedTranslation(int index) {
    SelectedTranslation_ = index >= 0 && index < TranslationCount() ? index : -1;
}

std::string TQXVersionInfo::TranslationKey() const {
    const int selected = GetSelectedTranslation();
    if (selected < 0) return {};
    const std::uint32_t word = Translations_[static_cast<std::size_t>(selected)];
    return StringTableKey(static_cast<std::uint16_t>(word & 0xFFFFu),
                          static_cast<std::uint16_t>(word >> 16));
}

std::string TQXVersionInfo::ReadString(std::string_view name) const {
    if (!HasVersionData_) return {};
    const std::string query = "\\StringFileInfo\\" + TranslationKey() + "\\" + std::string(name);
    const auto value = QueryVersionValue(VersionData_, query);
    return value ? VersionText(*value) : std::string();
}

std::string TQXVersionInfo::ReadStandardString(int index) const {
    if (index < 0 || index >= static_cast<int>(kStandardNames.size())) return {};
    return ReadString(kStandardNames[static_cast<std::size_t>(index)]);
}

}  // namespace quillet
