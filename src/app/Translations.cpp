#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace quillet {
namespace {

// The catalogue file of a language in folder: "quillet_de.qm".
QString CatalogueFile(const QString& folder, const QString& name, const QString& language) {
    return folder + QStringLiteral("/") + name + QStringLiteral("_") + language +
           QStringLiteral(".qm");
}

}  // namespace

QString CatalogueLanguage(const QStringList& languages,
                          const std::function<bool(const QString&)>& hasCatalogue) {
    for (QString language : languages) {
        language.replace('-', '_');
        // The texts are English: a user who puts English first reads them as they are.
        if (language == QStringLiteral("en") || language.startsWith(QStringLiteral("en_")) ||
            language == QStringLiteral("C"))
            return {};
        // "de_DE" and then "de": a catalogue for the language serves each of its countries.
        for (QString name = language; !name.isEmpty();) {
            if (hasCatalogue(name)) return name;
            const qsizetype cut = name.lastIndexOf('_');
            name = cut < 0 ? QString() : name.left(cut);
        }
    }
    return {};
}

QStringList CatalogueFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/translations"),
            program + QStringLiteral("/../share/quillet/translations")};
}

std::vector<std::unique_ptr<QTranslator>> InstallTranslations() {
    const QStringList folders = CatalogueFolders();
    QString found;
    const QString language = CatalogueLanguage(QLocale().uiLanguages(), [&](const QString& name) {
        for (const QString& folder : folders) {
            found = CatalogueFile(folder, QStringLiteral("quillet"), name);
            if (QFileInfo::exists(found)) return true;
        }
        return false;
    });
    std::vector<std::unique_ptr<QTranslator>> installed;
    if (language.isEmpty()) return installed;
    // Qt's own: beside ours where the program brings it (Windows), else where Qt keeps it.
    QStringList files = {found};
    const QStringList qtFolders = QStringList(folders)
                                  << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : qtFolders) {
        const QString qt = CatalogueFile(folder, QStringLiteral("qtbase"), language);
        if (QFileInfo::exists(qt)) {
            files.append(qt);
            break;
        }
    }
    for (const QString& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file) && QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    }
    return installed;
}

}  // namespace quillet
