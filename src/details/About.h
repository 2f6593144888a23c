// TAboutBox: the plain about dialog the program's own box builds on: a bevelled panel with
// the program's icon, product name, version, copyright and comment lines, and an OK button.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quillet {

class TAboutBox : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TAboutBox)

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    // A label that shows its text exactly as given ("&" included).
    static QLabel* PlainLabel(QWidget* parent, int left, int top);
};

}  // namespace quillet
