// Icons and type names for Qt's file dialog, taken from each entry's name and file type only.
// Qt's own provider reads a file's first bytes when its name does not tell its type, and a
// read can wait for ever (/proc/kmsg, a pipe, a hung network share), freezing the dialog; this
// one never opens a file.
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace quillet {

class TNameIconProvider final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QMimeDatabase Types_;
};

}  // namespace quillet
