#include "settings/RegistryVariables.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "platform/ExecutableFolder.h"
#include "settings/SettingsKey.h"

namespace quillet {

QString VendorName = QStringLiteral("Corvane");

QString ExecutableKeyName() {
    return QFileInfo(QString::fromStdString(ExecutablePath())).completeBaseName();
}

namespace {

QSettings Store(const QString& keyName) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, VendorName.toLower(),
                     keyName.toLower());
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
    const QSettings store = Store(KeyName());
    const QVariant stored = store.value(ValueName());
    // Only a whole number will do; text in its place is ignored.
    if (stored.isValid()) Value = IntegerFromText(stored.toString()).value_or(Value);
}

TRegistryInteger::~TRegistryInteger() {
    Save();
}

void TRegistryInteger::Save() {
    QSettings store = Store(KeyName());
    store.setValue(ValueName(), Value);
}

TRegistryFormInfo::TRegistryFormInfo(QWidget* form) : Form(form) {
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
    FormLeft->Value = frame.left();
    FormTop->Value = frame.top();
    FormWidth->Value = frame.width();
    FormHeight->Value = frame.height();
    FormClientWidth->Value = ClientSize(*Form).width();
    FormClientHeight->Value = ClientSize(*Form).height();
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
    QPoint position(FormLeft->Value, FormTop->Value);
    const QSize client(FormClientWidth->Value, FormClientHeight->Value);
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(QRect(position, client))) onScreen = true;
    }
    if (!onScreen && QGuiApplication::primaryScreen()) {
        position = QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(40, 40);
    }
    Form->move(position);
    Form->resize(client.expandedTo(Form->minimumSize()));
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
