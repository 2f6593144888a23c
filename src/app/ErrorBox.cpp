#include "app/ErrorBox.h"

#include <QMessageBox>

#include "app/DialogFit.h"
#include "app/ToolTipText.h"

namespace quillet {

QString ErrorBoxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
    return text;
}

void ShowErrorBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, BrokenLines(ErrorBoxText(text)), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);  // a name in the text is shown as it is, never as markup
    RoomForTitle(box);
    box.exec();
}

}  // namespace quillet
