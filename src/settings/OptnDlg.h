// TOptionsDialog: every setting in one modal window of seven tabs, with a preview chart and
// list for the colours and fonts. The main window copies its settings in before each opening
// and takes them back after OK (FormMainOptions.cpp); the dialog itself stores nothing.
//
// Fonts are values here: PieFontChosen / ListFontChosen say that the "Pie Font" or "List
// Font" button was used during this opening, in which case the main window takes the
// preview's font on OK. The font and colour choosers can be replaced (tests do).
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace quillet {

class TChartListBox;
class TPieChart;

class TOptionsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TOptionsDialog)

public:
    explicit TOptionsDialog(QWidget* parent = nullptr);

    // The settings, copied in before each opening and read after OK.
    std::uint8_t DisplayMode = 1;
    std::uint8_t DisplayUnits = 1;
    std::uint8_t DisplayCompressed = 1;
    std::uint8_t DisplaySparse = 1;
    QFont PieFont;
    QFont ListFont;
    bool PieFontChosen = false;
    bool ListFontChosen = false;
    std::string ChartColours;
    bool RightClickFolder = true;
    bool DisplayFreeDiskSpace = true;
    bool RepeatedScan = false;
    int RepeatInterval = 10;
    bool CompareRepeatedScans = false;

    std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)> ChooseFont;
    std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)> ChooseColour;

    void FormShow();
    void ButtonOKClick();
    void btnPieFontClick();
    void btnListBoxFontClick();
    void PieChart1DblClick();
    void btnRevertClick();

    QTabWidget* Tabs = nullptr;
    QRadioButton* btnActual = nullptr;
    QRadioButton* btnAllocated = nullptr;
    QRadioButton* btnSlack = nullptr;
    QButtonGroup* RadioGroupUnits = nullptr;
    QRadioButton* btnCompressed = nullptr;
    QRadioButton* btnUncompressed = nullptr;
    QRadioButton* btnSparse = nullptr;
    QRadioButton* btnUnsparse = nullptr;
    QCheckBox* chkRightClick = nullptr;
    QCheckBox* chkShowFreeDisk = nullptr;
    QCheckBox* CheckBoxRepeatedScan = nullptr;
    QSpinBox* SpinEditScanInterval = nullptr;
    QCheckBox* chkCompareRepeatedScans = nullptr;
    QPushButton* btnPieFont = nullptr;
    QPushButton* btnRevert = nullptr;
    QPushButton* btnListBoxFont = nullptr;
    TPieChart* PieChart1 = nullptr;
    TChartListBox* ListBox1 = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One preview slice for each of count colours, largest first.
    void ShowPreviewSlices(int count);
};

}  // namespace quillet
