#include "details/zebAboutBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "chart/ContrastColour.h"
#include "chart/MultiColour.h"
#include "details/DesktopOpener.h"
#include "platform/ExecutableFolder.h"

namespace quillet {

TAboutBoxZEB::TAboutBoxZEB(QWidget* parent) : TAboutBox(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    setFixedSize(402, 213);
    Panel1->setGeometry(8, 8, 386, 161);
    ProgramIcon->setGeometry(16, 16, 32, 32);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    ProductName->move(64, 16);
    Version->move(64, 40);
    Copyright->move(8, 80);
    Comments->setGeometry(8, 104, 199, Comments->sizeHint().height());
    Comments->setText(tr("All rights reserved."));

    WebSite = PlainLabel(Panel1, 0, 136);
    WebSite->setAlignment(Qt::AlignRight | Qt::AlignTop);
    WebSite->setCursor(Qt::PointingHandCursor);
    QFont link = WebSite->font();
    link.setUnderline(true);
    WebSite->setFont(link);
    ShowWebSiteColour();
    WebSite->installEventFilter(this);
    LabelUserName = PlainLabel(Panel1, 8, 128);

    OKButton->move(167, 180);
    OpenAddress = [this](const QString& address) {
        OpenWithDesktop(QUrl(address), this, [this, address] {
            // As the main window's error box says it.
            QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                            tr("Cannot open %1: %2.").arg(address, NoOpenerReason()),
                            QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
        });
    };
}

void TAboutBoxZEB::showEvent(QShowEvent* event) {
    FormShow();
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    TAboutBox::showEvent(event);
}

void TAboutBoxZEB::changeEvent(QEvent* event) {
    TAboutBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && WebSite) ShowWebSiteColour();
}

void TAboutBoxZEB::ShowWebSiteColour() {
    // Navy, or on a dark window a lighter navy that reads well there.
    constexpr std::uint32_t kNavy = 0x00800000;
    const std::uint32_t window = RefFromColour(palette().color(QPalette::Window));
    QPalette link = WebSite->palette();
    link.setColor(QPalette::WindowText, ColourFromRef(ReadableRef(kNavy, window)));
    WebSite->setPalette(link);
}

void TAboutBoxZEB::FormShow() {
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    const QString product = QString::fromStdString(QXVersionInfo.ReadStandardString(9));
    setWindowTitle(tr("About %1").arg(product));
    Copyright->setText(QString::fromStdString(QXVersionInfo.ReadStandardString(5)));
    ProductName->setText(product);
    Version->setText(QFileInfo(QString::fromStdString(ExecutablePath())).fileName() + ", V" +
                     QString::fromStdString(QXVersionInfo.ReadStandardString(3)) + ", " +
                     QString::fromStdString(QXVersionInfo.ReadStandardString(0)));
    WebSite->setText(QString::fromStdString(QXVersionInfo.ReadString("Web site")));
    for (QLabel* label : {ProductName, Version, Copyright, WebSite})
        label->adjustSize();
    Comments->resize(std::max(199, Comments->sizeHint().width()), Comments->height());
    // A desktop font larger than the design's: the box widens until every line shows whole.
    constexpr int kPanelWidth = 386, kWebSiteRight = 336 + 8, kMargin = 8;
    int grow = std::max(0, kMargin + WebSite->width() - kWebSiteRight);
    for (QLabel* label : {ProductName, Version, Copyright, Comments})
        grow = std::max(grow, label->geometry().right() + 1 + kMargin - kPanelWidth);
    setFixedSize(402 + grow, 213);
    Panel1->resize(kPanelWidth + grow, Panel1->height());
    OKButton->move(167 + grow / 2, 180);
    // Right-aligned with its right edge where a 336-wide label at 0 would end.
    WebSite->move(kWebSiteRight + grow - WebSite->width(), 136);
}

void TAboutBoxZEB::WebSiteClick() {
    QString address = WebSite->text();
    if (address.isEmpty()) return;
    if (!address.contains(QStringLiteral("http://"))) address.prepend(QStringLiteral("http://"));
    if (OpenAddress) OpenAddress(address);
}

bool TAboutBoxZEB::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WebSite && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        WebSiteClick();
        return true;
    }
    return TAboutBox::eventFilter(watched, event);
}

}  // namespace quillet
