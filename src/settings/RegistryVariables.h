// The main window's placement between runs: seven 32-bit values ("FormState", "FormLeft",
// "FormTop", "FormWidth", "FormHeight", "FormClientWidth", "FormClientHeight") kept under a key
// named after the executable, so a copy started under another name keeps its own placement.
// With the executable "quillet" they share the settings file.
//
// TRegistryInteger loads itself when made and saves itself when destroyed; TRegistryFormInfo
// owns seven of them, is applied when the window is first shown and saves when destroyed.
// Failures are silent: loading keeps the default, saving writes nothing.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

namespace quillet {

// Module settings read by every value when it is made.
extern QString VendorName;  // "Corvane"

class TRegistryVariable {
public:
    explicit TRegistryVariable(QString valueName);
    virtual ~TRegistryVariable() = default;
    virtual void Save() = 0;

    const QString& ValueName() const { return ValueName_; }
    // The application part of the key: the executable's name without folder or extension.
    const QString& KeyName() const { return KeyName_; }

private:
    QString ValueName_;
    QString KeyName_;
};

class TRegistryInteger final : public TRegistryVariable {
public:
    TRegistryInteger(QString valueName, std::int32_t defaultValue);
    ~TRegistryInteger() override;
    void Save() override;

    std::int32_t Value;
    bool Loaded = false;  // Value came from the store, not from the default
};

class TRegistryFormInfo {
public:
    // Takes the window's current placement as the defaults and loads the stored values.
    explicit TRegistryFormInfo(QWidget* form);
    // Takes the window's placement at that moment and saves it.
    ~TRegistryFormInfo();

    // Gives the window the loaded state, position and client size, fitted to a screen
    // (FitPlacement); a state other than 0, 1, 2 is normal. A maximised window gets its last
    // normal placement underneath, for when it is restored. Called before the window is
    // first shown, while a position still means the frame's.
    void Apply();

    QWidget* Form;
    std::unique_ptr<TRegistryInteger> FormState;
    std::unique_ptr<TRegistryInteger> FormLeft;
    std::unique_ptr<TRegistryInteger> FormTop;
    std::unique_ptr<TRegistryInteger> FormWidth;
    std::unique_ptr<TRegistryInteger> FormHeight;
    std::unique_ptr<TRegistryInteger> FormClientWidth;
    std::unique_ptr<TRegistryInteger> FormClientHeight;

private:
    QPoint DesignPosition_;
    QSize DesignClient_;
};

// The executable's base name for the key: "quillet" for /usr/bin/quillet.
QString ExecutableKeyName();

}  // namespace quillet
