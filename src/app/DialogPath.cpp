#include "app/DialogPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <vector>

#include "platform/FolderNames.h"
#include "platform/PathSeparator.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The names in folder that a dialog would show as name.
std::vector<std::string> NamesShownAs(const std::string& folder, const QString& name) {
    const auto entries = ReadFolderNames(folder.empty() ? "/" : folder);
    if (!entries) {
        // A folder that may be passed through but not listed: the dialog could not list it
        // either, so the name was typed, and stands for its own bytes unless some were lost.
        if (name.contains(QChar::ReplacementCharacter)) return {};
        return {Bytes(QFile::encodeName(name))};
    }
    std::vector<std::string> names;
    for (const NamedEntry& entry : *entries) {
        if (QFile::decodeName(QByteArray::fromStdString(entry.Name)) == name)
            names.push_back(entry.Name);
    }
    return names;
}

}  // namespace

TDialogPath FindDialogPath(const QString& answer, bool newName) {
    // Windows names are Unicode, as the dialog's answer is: only the separators differ.
    if (kPathSeparator == '\\') {
        if (answer.isEmpty()) return {{}, TDialogPath::Missing};
        return {Bytes(QDir::toNativeSeparators(answer).toUtf8()), TDialogPath::None};
    }
    if (!answer.startsWith('/')) return {{}, TDialogPath::Missing};
    const QStringList names = answer.split('/', Qt::SkipEmptyParts);
    // Every path that the names read so far may stand for, each without its final "/".
    std::vector<std::string> paths{std::string()};
    for (qsizetype i = 0; i < names.size(); ++i) {
        std::vector<std::string> longer;
        for (const std::string& folder : paths) {
            for (const std::string& name : NamesShownAs(folder, names[i]))
                longer.push_back(folder + "/" + name);
        }
        if (longer.empty() && newName && i + 1 == names.size()) {
            if (paths.size() > 1) return {{}, TDialogPath::Ambiguous};
            return {paths[0] + "/" + Bytes(names[i].toUtf8()), TDialogPath::None};
        }
        if (longer.empty()) return {{}, TDialogPath::Missing};
        paths = std::move(longer);
    }
    if (paths.size() > 1) return {{}, TDialogPath::Ambiguous};
    return {paths[0].empty() ? "/" : paths[0], TDialogPath::None};
}

QString DialogPathProblem(const QString& answer, TDialogPath::TProblem problem, bool newName) {
    const QString shown = QString::fromUtf8(ShownName(Bytes(answer.toUtf8())));
    if (problem == TDialogPath::Ambiguous) {
        return (newName ? QCoreApplication::translate(
                              "TMainForm",
                              "Cannot save \"%1\": more than one file has this name when shown "
                              "as text")
                        : QCoreApplication::translate(
                              "TMainForm",
                              "Cannot open \"%1\": more than one file has this name when shown "
                              "as text"))
            .arg(shown);
    }
    return (newName ? QCoreApplication::translate("TMainForm",
                                                  "Cannot save \"%1\": No such file or directory")
                    : QCoreApplication::translate("TMainForm",
                                                  "Cannot open \"%1\": No such file or directory"))
        .arg(shown);
}

}  // namespace quillet
