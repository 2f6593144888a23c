#include "details/About.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quillet {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(298, 213);
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(8, 8, 282, 161);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProductName = PlainLabel(Panel1, 88, 16);
    Version = PlainLabel(Panel1, 88, 40);
    Copyright = PlainLabel(Panel1, 8, 80);
    Comments = PlainLabel(Panel1, 8, 104);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setDefault(true);
    OKButton->setGeometry(111, 178, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* TAboutBox::PlainLabel(QWidget* parent, int left, int top) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    return label;
}

}  // namespace quillet
