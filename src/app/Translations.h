// The window's language: the first of the system's languages (QLocale::uiLanguages, which
// reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the program has a catalogue for, with Qt's
// own catalogue of its standard dialogs in the same language. English, the language the
// texts are written in, needs none: where it comes first, nothing is loaded.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace quillet {

// The first of languages ("de-DE", "fr", "en-US", ...) that has a catalogue, as the name of
// that catalogue's language ("de_DE" or "de"); empty for English or when none has one.
QString CatalogueLanguage(const QStringList& languages,
                          const std::function<bool(const QString&)>& hasCatalogue);

// Where the catalogues are: translations/ beside the program (a build folder, the Windows
// zip), then ../share/quillet/translations from it (an installed program).
QStringList CatalogueFolders();

// Loads the program's catalogue and Qt's for the system's languages and installs them in the
// application; the translators are kept by the caller for as long as the window lives.
std::vector<std::unique_ptr<QTranslator>> InstallTranslations();

}  // namespace quillet
