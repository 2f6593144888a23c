// TAboutBoxZEB: the program's about box. Every text comes from the program's own version data
// when the box is shown: the product name (also in the caption), the version line (file name,
// version, release date), the copyright line and the web address, which opens in the browser.
#pragma once

#include <functional>

#include "details/About.h"
#include "formats/QXVersionInfo.h"

namespace quillet {

class TAboutBoxZEB : public TAboutBox {
    Q_DECLARE_TR_FUNCTIONS(TAboutBox)

public:
    explicit TAboutBoxZEB(QWidget* parent = nullptr);

    void FormShow();
    void WebSiteClick();

    QLabel* WebSite = nullptr;
    QLabel* LabelUserName = nullptr;
    TQXVersionInfo QXVersionInfo;  // the running executable's version data
    // Opens an address in the web browser; tests replace it.
    std::function<void(const QString& address)> OpenAddress;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowWebSiteColour();
};

}  // namespace quillet
