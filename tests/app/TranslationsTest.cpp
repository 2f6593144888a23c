// The catalogues against the sources: every text the window shows has a finished translation
// in every language shipped, with the same placeholders; access keys stay unique within each
// menu and dialog in every language; the language is the first of the user's that has one.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>

#include "app/FormMain.h"
#include "app/Translations.h"
#include "details/AboutBx.h"
#include "details/FilProps.h"
#include "settings/OptnDlg.h"

namespace quillet {
namespace {

// Every shipped language but English, the language the sources are written in.
const QStringList kLanguages = QString(QUILLET_LANGUAGES).split(',');

struct TSourceText {
    QString Context, Source, Comment;
};

// The texts of the sources as lupdate finds them now, so that a text added without a
// translation fails here.
std::vector<TSourceText> SourceTexts() {
    QTemporaryDir folder;
    const QString ts = folder.filePath(QStringLiteral("sources.ts"));
    const QString root = QStringLiteral(QUILLET_SOURCE_DIR);
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUILLET_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-I"), root + "/src", root + "/src/app", root + "/src/chart",
                   root + "/src/details", root + "/src/settings", QStringLiteral("-ts"), ts});
    EXPECT_TRUE(lupdate.waitForFinished(-1) && lupdate.exitCode() == 0)
        << lupdate.readAllStandardError().toStdString();
    QFile file(ts);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<TSourceText> texts;
    QXmlStreamReader xml(&file);
    QString context;
    TSourceText text;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QStringLiteral("message")) {
            text = {context, {}, {}};
        } else if (xml.name() == QStringLiteral("source")) {
            text.Source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("comment")) {
            text.Comment = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            texts.push_back(text);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

std::unique_ptr<QTranslator> Catalogue(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    EXPECT_TRUE(translator->load(QStringLiteral(QUILLET_CATALOGUES_DIR "/quillet_") + language))
        << language.toStdString();
    return translator;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

TEST(Translations, EveryTextOfTheSourcesIsTranslatedWithItsPlaceholdersInEveryLanguage) {
    const std::vector<TSourceText> texts = SourceTexts();
    ASSERT_GT(texts.size(), 200u);
    for (const QString& language : kLanguages) {
        const auto catalogue = Catalogue(language);
        for (const TSourceText& text : texts) {
            const QString translated = catalogue->translate(
                text.Context.toUtf8().constData(), text.Source.toUtf8().constData(),
                text.Comment.isEmpty() ? nullptr : text.Comment.toUtf8().constData());
            EXPECT_FALSE(translated.isEmpty())
                << language.toStdString() << " has no finished translation of "
                << text.Context.toStdString() << " \"" << text.Source.toStdString() << "\"";
            if (!translated.isEmpty()) {
                EXPECT_EQ(Placeholders(translated), Placeholders(text.Source))
                    << language.toStdString() << ": \"" << translated.toStdString() << "\"";
            }
        }
    }
}

// The keys that Alt and a letter reach among these texts, each named by its text; a key
// taken twice is named with both texts.
void ExpectUniqueKeys(const QStringList& texts, const QString& where) {
    QHash<QKeySequence, QString> taken;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        EXPECT_FALSE(taken.contains(key))
            << where.toStdString() << ": \"" << text.toStdString() << "\" and \""
            << taken.value(key).toStdString() << "\" share " << key.toString().toStdString();
        taken.insert(key, text);
    }
}

QStringList ActionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator()) texts.append(action->text());
    return texts;
}

// The texts of a dialog or window that carry access keys: its buttons' (a button whose key
// was taken away has none) and its tabs'.
QStringList ControlTexts(const QWidget& window) {
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->shortcut().isEmpty() && button->window() == &window)
            texts.append(button->text());
    }
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (tabs->window() != &window) continue;
        for (int i = 0; i < tabs->count(); ++i)
            texts.append(tabs->tabText(i));
    }
    return texts;
}

TEST(Translations, AccessKeysAreUniqueInEveryMenuAndDialogOfEveryLanguage) {
    for (const QString& language : kLanguages) {
        const auto catalogue = Catalogue(language);
        QCoreApplication::installTranslator(catalogue.get());
        {
            TMainForm form(TMainServices{}, {});
            form.Timer1.stop();  // no scan: only the texts are looked at
            // The menu bar's titles and the window's buttons answer Alt alike.
            QStringList window = ControlTexts(form);
            for (const QAction* title : form.menuBar()->actions()) {
                window.append(title->text());
                ExpectUniqueKeys(ActionTexts(*title->menu()),
                                 language + " menu " + title->menu()->title());
            }
            ExpectUniqueKeys(window, language + " main window");
            ExpectUniqueKeys(ActionTexts(*form.PopupMenu1), language + " entry menu");
            for (const QWidget* dialog : std::initializer_list<const QWidget*>{
                     form.OptionsDialog, form.AboutBox, form.PropertiesDialog}) {
                ExpectUniqueKeys(ControlTexts(*dialog), language + " " + dialog->windowTitle());
            }
        }
        QCoreApplication::removeTranslator(catalogue.get());
    }
}

TEST(Translations, TheFirstOfTheUsersLanguagesWithACatalogueIsShownAndEnglishNeedsNone) {
    const auto has = [](const QString& name) { return name == "de" || name == "fr_CA"; };
    EXPECT_EQ(CatalogueLanguage({"de-DE", "fr"}, has), "de");
    EXPECT_EQ(CatalogueLanguage({"xx", "fr-CA", "de"}, has), "fr_CA");
    // English first: the texts as written, even with a catalogue for a later language.
    EXPECT_EQ(CatalogueLanguage({"en-GB", "de"}, has), "");
    EXPECT_EQ(CatalogueLanguage({"xx", "pt-BR"}, has), "");
}

}  // namespace
}  // namespace quillet
