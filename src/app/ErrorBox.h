// The general error box: an error that ends a command is shown with its text and the program
// goes on.
#pragma once

#include <QString>

class QWidget;

namespace quillet {

// The text with a full stop appended when its last character sorts above the full stop.
QString ErrorBoxText(const QString& text);

// A message box titled with the application's title, the error icon and an OK button.
void ShowErrorBox(QWidget* parent, const QString& title, const QString& text);

}  // namespace quillet
