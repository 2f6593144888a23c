#include "details/FileProp.h"

#include <QCheckBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <algorithm>
#include <span>

#include "details/FileTexts.h"
#include "formats/VersionResource.h"
#include "platform/FileAttributes.h"
#include "platform/FileDetails.h"
#include "platform/PathSeparator.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

QLabel* Label(QWidget* parent, const QString& text, int left, int top, int width = 0) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    if (width > 0) label->resize(width, label->sizeHint().height());
    return label;
}

QFrame* Rule(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(16, top, 305, 2);
    return line;
}

// A check box that only shows: a click puts it back to the stored flag.
QCheckBox* ShowingBox(QWidget* parent, const QString& text, int left, int top, const bool& flag) {
    auto* box = new QCheckBox(text, parent);
    box->move(left, top);
    QObject::connect(box, &QCheckBox::clicked, box, [box, &flag] { box->setChecked(flag); });
    return box;
}

}  // namespace

TfrmFileProperties::TfrmFileProperties(QWidget* parent) : QDialog(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    setFixedSize(361, 403);
    // A title and a close box: a modal dialog that could be minimised would leave a window
    // that does not answer.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(8, 8, 345, 361);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setDefault(true);
    btnOK->setGeometry(288, 376, 65, 25);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    pnlError = new QLabel(this);
    pnlError->setTextFormat(Qt::PlainText);
    pnlError->setFrameShape(QFrame::Panel);
    pnlError->setFrameShadow(QFrame::Raised);
    pnlError->setAlignment(Qt::AlignCenter);
    pnlError->setWordWrap(true);
    pnlError->setGeometry(8, 120, 345, 73);
    pnlError->hide();

    tabGeneral = new QWidget;
    // Caption and value rows, the values in one column right of the widest caption (at 104
    // with small fonts).
    struct Row {
        const char* Caption;
        QLabel** Value;
        int Top;
    };
    const Row general[] = {{QT_TR_NOOP("Type:"), &lblType, 56},
                           {QT_TR_NOOP("Location:"), &lblLocation, 76},
                           {QT_TR_NOOP("Size:"), &lblSize, 96},
                           {QT_TR_NOOP("Compressed Size: "), &lblCompressedSize, 116},
                           {QT_TR_NOOP("MS-DOS name:"), &lblDOSName, 160},
                           {QT_TR_NOOP("Created:"), &lblCreated, 180},
                           {QT_TR_NOOP("Modified:"), &lblModified, 200},
                           {QT_TR_NOOP("Accessed:"), &lblAccessed, 220}};
    const QFontMetrics metrics(font());
    int left = 104;
    for (const Row& row : general) {
        left = std::max(left, 16 + metrics.horizontalAdvance(tr(row.Caption)) + 8);
    }
    const int width = 345 - 16 - left;
    ValueWidth_ = width;
    const auto addRows = [&](QWidget* page, std::span<const Row> rows) {
        for (const Row& row : rows) {
            QLabel* caption = Label(page, tr(row.Caption), 16, row.Top);
            if (row.Value == &lblCompressedSize) lblCompressedSizeCaption = caption;
            *row.Value = Label(page, {}, left, row.Top, width);
        }
    };
    Image1 = new QLabel(tabGeneral);
    Image1->setGeometry(24, 8, 32, 32);
    lblName = Label(tabGeneral, {}, left, 16, width);
    Rules_ = {Rule(tabGeneral, 48), Rule(tabGeneral, 146)};
    addRows(tabGeneral, general);
    Rules_.push_back(Rule(tabGeneral, 248));
    Label(tabGeneral, tr("Attributes:"), 16, 262);
    const int boxes = std::max(96, 16 + metrics.horizontalAdvance(tr("Attributes:")) + 8);
    chkReadOnly = ShowingBox(tabGeneral, tr("Read-only"), boxes, 262, IsReadOnly);
    chkHidden = ShowingBox(tabGeneral, tr("Hidden"), boxes + 96, 262, IsHidden);
    chkArchive = ShowingBox(tabGeneral, tr("Archive"), boxes, 284, IsArchive);
    chkSystem = ShowingBox(tabGeneral, tr("System"), boxes + 96, 284, IsSystem);
    chkCompressed = ShowingBox(tabGeneral, tr("Compressed"), boxes, 306, IsCompressed);
    PageControl1->addTab(tabGeneral, tr("General"));

    tabVersion = new QWidget;
    const Row version[] = {{QT_TR_NOOP("File version:"), &lblFileVersion, 16},
                           {QT_TR_NOOP("Description:"), &lblFileDescription, 48},
                           {QT_TR_NOOP("Copyright:"), &lblLegalCopyright, 80}};
    addRows(tabVersion, version);
    auto* other = new QGroupBox(tr(" Other version information "), tabVersion);
    other->setGeometry(8, 112, 313, 193);
    Label(other, tr("Item name:"), 8, 20);
    lbxNames = new QListWidget(other);
    lbxNames->setGeometry(8, 40, 120, 140);
    lbxNames->setAccessibleName(tr("Item name"));
    Label(other, tr("Value:"), 136, 20);
    memValues = new QPlainTextEdit(other);
    memValues->setReadOnly(true);
    memValues->setGeometry(136, 40, 168, 140);
    memValues->setAccessibleName(tr("Value"));
    connect(lbxNames, &QListWidget::currentRowChanged, this, [this] { lbxNamesClick(); });
    PageControl1->addTab(tabVersion, tr("Version"));
}

void TfrmFileProperties::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmFileProperties::hideEvent(QHideEvent* event) {
    VersionValues.clear();
    QDialog::hideEvent(event);
}

void TfrmFileProperties::FormShow() {
    PageControl1->setTabVisible(1, false);
    PageControl1->setCurrentIndex(0);
    lbxNames->clear();
    VersionValues.clear();
    memValues->clear();

    const auto details = ReadFileDetails(FileName);
    if (!details) {
        PageControl1->hide();
        setWindowTitle(tr("Error - can't find this file"));
        pnlError->setText(QString::fromUtf8(ShownName(FileName)));
        pnlError->show();
        return;
    }
    PageControl1->show();
    pnlError->hide();
    FillVersionPage();

    const QString path = QString::fromStdString(FileName);
    const QFileInfo info(path);
    // Nothing of the previous file stays: no icon when none is found.
    const QIcon icon = QFileIconProvider().icon(info);
    Image1->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(32, 32));
    const QString name = QString::fromUtf8(ShownName(details->Name));
    // The system's own word for the type where it has one (the Windows shell's), else the
    // desktop's for the file's content, else one made from the extension.
    if (!details->TypeName.empty()) {
        lblType->setText(QString::fromUtf8(ShownName(details->TypeName)));
    } else {
        const QString mimeComment = QMimeDatabase().mimeTypeForFile(info).comment();
        lblType->setText(mimeComment.isEmpty() ? TypeFromExtension(name) : mimeComment);
    }
    lblName->setText(name);
    // Without a short name of its own (a name that is one already, or Linux), the long one
    // stands for it.
    lblDOSName->setText(
        details->ShortName.empty() ? name : QString::fromUtf8(ShownName(details->ShortName)));
    setWindowTitle(tr("%1 properties").arg(name));
    lblSize->setText(FileSizeText(static_cast<double>(details->Size), Punctuation));

    const QLocale locale;
    lblModified->setText(FileTimeText(details->Modified, locale));
    lblCreated->setText(FileTimeText(details->Created, locale));
    lblAccessed->setText(FileDateText(details->Accessed, locale));

    IsHidden = details->Attributes & kAttributeHidden;
    chkHidden->setChecked(IsHidden);
    IsSystem = details->Attributes & kAttributeSystem;
    chkSystem->setChecked(IsSystem);
    IsReadOnly = details->Attributes & kAttributeReadOnly;
    chkReadOnly->setChecked(IsReadOnly);
    IsArchive = details->Attributes & kAttributeArchive;
    chkArchive->setChecked(IsArchive);
    IsCompressed = details->Attributes & kAttributeCompressed;

    for (QWidget* widget :
         {static_cast<QWidget*>(chkCompressed), static_cast<QWidget*>(lblCompressedSize),
          static_cast<QWidget*>(lblCompressedSizeCaption)}) {
        widget->hide();
    }
    if (IsCompressed) {
        chkCompressed->setChecked(true);
        chkCompressed->show();
        const auto onDisk = static_cast<std::uint32_t>(details->OnDiskSize & 0xFFFFFFFFu);
        if (onDisk != 0xFFFFFFFFu) {
            lblCompressedSize->setText(CompressedSizeText(onDisk, Punctuation));
            lblCompressedSize->show();
            lblCompressedSizeCaption->show();
        }
    }
    FitToTexts();

    const QString folder =
        QString::fromUtf8(ShownName(FileName.substr(0, FileName.rfind(kPathSeparator) + 1)));
    // A long folder keeps its start and its end; the tooltip holds it whole. A tooltip has no
    // text format: one that looks like markup goes as escaped markup.
    lblLocation->setText(
        lblLocation->fontMetrics().elidedText(folder, Qt::ElideMiddle, lblLocation->width()));
    lblLocation->setToolTip(Qt::mightBeRichText(folder) ? Qt::convertFromPlainText(folder)
                                                        : folder);
}

void TfrmFileProperties::FitToTexts() {
    // The widest of the values whose length the font decides; names, the folder and the
    // version's texts can be of any length, and are cut as before.
    int grow = 0;
    for (QLabel* value : {lblType, lblSize, lblCompressedSize, lblCreated, lblModified, lblAccessed,
                          lblFileVersion})
        grow = std::max(grow, value->sizeHint().width() - ValueWidth_);
    for (QLabel* value :
         {lblName, lblType, lblLocation, lblSize, lblCompressedSize, lblDOSName, lblCreated,
          lblModified, lblAccessed, lblFileVersion, lblFileDescription, lblLegalCopyright})
        value->resize(ValueWidth_ + grow, value->sizeHint().height());
    // The second column of attributes past the widest box of the first.
    int boxes = 96;
    for (QCheckBox* box : {chkReadOnly, chkArchive, chkCompressed})
        boxes = std::max(boxes, box->sizeHint().width() + 8);
    for (QCheckBox* box : {chkHidden, chkSystem}) {
        box->move(chkReadOnly->x() + boxes, box->y());
        grow = std::max(grow, box->x() + box->sizeHint().width() + 16 - 345);
    }
    for (QCheckBox* box : {chkReadOnly, chkHidden, chkArchive, chkSystem, chkCompressed})
        box->adjustSize();
    for (QFrame* rule : Rules_)
        rule->resize(305 + grow, rule->height());
    setFixedSize(361 + grow, 403);
    PageControl1->resize(345 + grow, PageControl1->height());
    pnlError->resize(345 + grow, pnlError->height());
    btnOK->move(288 + grow, btnOK->y());
}

void TfrmFileProperties::FillVersionPage() {
    // Emptied first, so a file whose data cannot be read shows none of the previous file's.
    for (QLabel* label : {lblFileVersion, lblFileDescription, lblLegalCopyright})
        label->clear();
    const std::vector<std::uint8_t> data = ReadFileVersionInfo(FileName);
    if (data.empty()) return;
    PageControl1->setTabVisible(1, true);
    const auto translation = QueryVersionValue(data, "\\VarFileInfo\\Translation");
    if (!translation || translation->Bytes.size() < 2) return;
    const auto& b = translation->Bytes;
    // A value of 2 bytes holds a language alone: its code page part is 0000.
    const auto language = static_cast<std::uint16_t>(b[0] | b[1] << 8);
    const auto codePage = static_cast<std::uint16_t>(b.size() >= 4 ? (b[2] | b[3] << 8) : 0);
    const std::string prefix = "\\StringFileInfo\\" + StringTableKey(language, codePage) + "\\";
    const auto text = [&](const char* field) {
        const auto value = QueryVersionValue(data, prefix + field);
        return value ? QString::fromStdString(VersionText(*value)) : QString();
    };
    lblLegalCopyright->setText(text("LegalCopyright"));
    lblFileDescription->setText(text("FileDescription"));
    lblFileVersion->setText(text("FileVersion"));
    for (const char* field : {"Comments", "CompanyName", "InternalName", "OriginalFilename",
                              "ProductName", "ProductVersion"}) {
        const QString value = text(field);
        if (value.isEmpty()) continue;
        lbxNames->addItem(QString::fromLatin1(field));
        VersionValues << value;
    }
}

void TfrmFileProperties::lbxNamesClick() {
    memValues->clear();
    const int row = lbxNames->currentRow();
    if (row >= 0 && row < VersionValues.size()) memValues->setPlainText(VersionValues[row]);
}

}  // namespace quillet
