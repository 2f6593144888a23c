#include "settings/RegistryVariables.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/ExecutableFolder.h"
#include "settings/PlacementFit.h"
#include "settings/SettingsKey.h"

namespace quillet {

QString VendorName = QStringLiteral("Corvane");

QString ExecutableKeyName() {
    return QFileInfo(QString::fromStdString(ExecutablePath())).completeBaseName();
}

namespace {

std::unique_ptr<QSettings> Store(const QString& keyName) {
    return OpenSettingsStore(VendorName, keyName);
}

// Client size as the window reports it: the area inside its frame.
QSize ClientSize(const QWidget& form) {
    return form.size();
}

}  // namespace

TRegistryVariable::TRegistryVariable(QString valueName)
    : ValueName_(std::move(valueName)), KeyName_(ExecutableKeyName()) {}

TRegistryInteger::TRegistryInteger(QString valueName, std::int32_t defaultValue)
    : TRegistryVariable(std::move(valueName)), Value(defaultValue) {
    const auto store = Store(KeyName());
    const QVariant stored = store ? store->value(ValueName()) : QVariant();
    // Only a whole number will do; text in its place is ignored.
    if (!stored.isValid()) return;
    if (const auto number = IntegerFromText(stored.toString())) {
        Value = *number;
        Loaded = true;
    }
}

TRegistryInteger::~TRegistryInteger() {
    Save();
}

void TRegistryInteger::Save() {
    if (const auto store = Store(KeyName())) store->setValue(ValueName(), Value);
}

TRegistryFormInfo::TRegistryFormInfo(QWidget* form)
    : Form(form), DesignPosition_(form->frameGeometry().topLeft()), DesignClient_(form->size()) {
    const int state = form->isMinimized() ? 1 : form->isMaximized() ? 2 : 0;
    const QRect frame = form->frameGeometry();
    FormState = std::make_unique<TRegistryInteger>("FormState", state);
    FormLeft = std::make_unique<TRegistryInteger>("FormLeft", frame.left());
    FormTop = std::make_unique<TRegistryInteger>("FormTop", frame.top());
    FormWidth = std::make_unique<TRegistryInteger>("FormWidth", frame.width());
    FormHeight = std::make_unique<TRegistryInteger>("FormHeight", frame.height());
    FormClientWidth =
        std::make_unique<TRegistryInteger>("FormClientWidth", ClientSize(*form).width());
    FormClientHeight =
        std::make_unique<TRegistryInteger>("FormClientHeight", ClientSize(*form).height());
}

TRegistryFormInfo::~TRegistryFormInfo() {
    FormState->Value = Form->isMinimized() ? 1 : Form->isMaximized() ? 2 : 0;
    const QRect frame = Form->frameGeometry();
    QRect outer = frame;
    QSize client = ClientSize(*Form);
    if (Form->isMaximized()) {
        // The normal placement, so that the next start can give it back on restore.
        const QRect normal = Form->normalGeometry();
        const QMargins margins(
            Form->geometry().left() - frame.left(), Form->geometry().top() - frame.top(),
            frame.right() - Form->geometry().right(), frame.bottom() - Form->geometry().bottom());
        if (normal.isValid()) {
            outer = normal.marginsAdded(margins);
            client = normal.size();
        }
    }
    FormLeft->Value = outer.left();
    FormTop->Value = outer.top();
    FormWidth->Value = outer.width();
    FormHeight->Value = outer.height();
    FormClientWidth->Value = client.width();
    FormClientHeight->Value = client.height();
    // Each value saves itself as it goes, in this order.
    FormState.reset();
    FormLeft.reset();
    FormTop.reset();
    FormWidth.reset();
    FormHeight.reset();
    FormClientWidth.reset();
    FormClientHeight.reset();
}

void TRegistryFormInfo::Apply() {
    const auto stored = [](const TRegistryInteger& value) {
        return value.Loaded ? std::optional(value.Value) : std::nullopt;
    };
    std::vector<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(screen->availableGeometry());
    }
    const TPlacementFit fit =
        FitPlacement({stored(*FormLeft), stored(*FormTop), stored(*FormWidth), stored(*FormHeight),
                      stored(*FormClientWidth), stored(*FormClientHeight)},
                     {DesignPosition_, DesignClient_}, Form->minimumSize(), screens);
    // A screen smaller than the window's minimum wins over the minimum.
    Form->setMinimumSize(Form->minimumSize().boundedTo(fit.Client));
    Form->resize(fit.Client);
    // The frame's corner: applied before the window is first shown, Qt asks the window
    // manager to put the frame there (else the window would creep by a title bar a run).
    Form->move(fit.FramePosition);
    switch (FormState->Value & 0xFF) {
        case 1:
            Form->setWindowState(Qt::WindowMinimized);
            break;
        case 2:
            Form->setWindowState(Qt::WindowMaximized);
            break;
        default:
            Form->setWindowState(Qt::WindowNoState);
    }
}

}  // namespace quillet
