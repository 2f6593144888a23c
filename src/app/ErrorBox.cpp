#include "app/ErrorBox.h"

#include <QMessageBox>

namespace quillet {

QString ErrorBoxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
    return text;
}

void ShowErrorBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, ErrorBoxText(text), QMessageBox::Ok);
}

}  // namespace quillet
