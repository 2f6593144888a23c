// TfrmFileProperties: what one file is — name, type, folder, size, compressed size, times,
// attributes, and the text fields of its version data when it has some. It only reads; the
// attribute boxes never change. Everything is recomputed each time the dialog is shown.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "scan/NumberText.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace quillet {

class TfrmFileProperties : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TfrmFileProperties)

public:
    explicit TfrmFileProperties(QWidget* parent = nullptr);

    std::string FileName;           // full path, set before showing
    NumberPunctuation Punctuation;  // the user's separators, for the sizes
    QStringList VersionValues;      // values of the fields listed in lbxNames
    bool IsHidden = false, IsSystem = false, IsReadOnly = false, IsArchive = false,
         IsCompressed = false;

    void FormShow();
    void lbxNamesClick();

    QTabWidget* PageControl1 = nullptr;
    QWidget* tabGeneral = nullptr;
    QWidget* tabVersion = nullptr;
    QPushButton* btnOK = nullptr;
    QLabel* pnlError = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblType = nullptr;
    QLabel* lblLocation = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblCompressedSizeCaption = nullptr;
    QLabel* lblCompressedSize = nullptr;
    QLabel* lblDOSName = nullptr;
    QLabel* lblCreated = nullptr;
    QLabel* lblModified = nullptr;
    QLabel* lblAccessed = nullptr;
    QCheckBox* chkReadOnly = nullptr;
    QCheckBox* chkHidden = nullptr;
    QCheckBox* chkArchive = nullptr;
    QCheckBox* chkSystem = nullptr;
    QCheckBox* chkCompressed = nullptr;
    QLabel* lblFileVersion = nullptr;
    QLabel* lblFileDescription = nullptr;
    QLabel* lblLegalCopyright = nullptr;
    QListWidget* lbxNames = nullptr;
    QPlainTextEdit* memValues = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillVersionPage();
    // A desktop font larger than the design's: the dialog widens until the sizes, times and
    // attributes show whole.
    void FitToTexts();

    int ValueWidth_ = 0;  // of the values' column at the design's width
    std::vector<QFrame*> Rules_;
};

}  // namespace quillet
