#include <QApplication>
#include <QIcon>

#include "app/FormMain.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillet.svg")));
    quillet::TMainForm form(quillet::SystemMainServices(), QApplication::arguments().mid(1));
    form.show();
    return QApplication::exec();
}
