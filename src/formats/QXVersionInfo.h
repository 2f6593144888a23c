// Reads the version data of an executable file and answers questions about it: whether there
// is any, its translations, and the text fields of the selected translation's string table.
// The about box reads the program's own version data through it.
//
// Owns its copy of the version data; answers come from memory and never fail, they are empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

class TQXVersionInfo {
public:
    // Reads the running executable's own version data.
    TQXVersionInfo();

    // An empty name means the running executable. Reloads everything.
    void SetFileName(const std::string& fileName);
    const std::string& FileName() const { return FileName_; }

    void ClearData() { HasVersionData_ = false; }
    void LoadData();

    bool HasVersionData() const { return HasVersionData_; }
    // The fixed file information record, all zero when there is none.
    const std::array<std::uint32_t, 13>& FixedInfo() const { return FixedInfo_; }
    // Low word a language, high word a code page.
    const std::vector<std::uint32_t>& Translations() const { return Translations_; }
    int TranslationCount() const { return static_cast<int>(Translations_.size()); }

    void SetSelectedTranslation(int index);
    int GetSelectedTranslation() const { return HasVersionData_ ? SelectedTranslation_ : -1; }
    // "040904E4": language and code page as four upper-case hex digits each; empty when no
    // translation is selected.
    std::string TranslationKey() const;

    // A field of the selected translation's string table ("ProductName", "Web site", ...),
    // empty when there is none.
    std::string ReadString(std::string_view name) const;
    // The standard fields by index: 0 Comments, 1 CompanyName, 2 FileDescription,
    // 3 FileVersion, 4 InternalName, 5 LegalCopyright, 6 LegalTrademarks, 7 OriginalFileName,
    // 8 PrivateBuild, 9 ProductName, 10 ProductVersion, 11 SpecialBuild.
    std::string ReadStandardString(int index) const;

private:
    std::string FileName_;
    bool HasVersionData_ = false;
    std::vector<std::uint8_t> VersionData_;
    std::array<std::uint32_t, 13> FixedInfo_{};
    std::vector<std::uint32_t> Translations_;
    int SelectedTranslation_ = -1;
};

}  // namespace quillet
