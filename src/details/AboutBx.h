// TAboutBoxZEB1: the about box instance the program creates at start and reuses.
#pragma once

#include "details/zebAboutBox.h"

namespace quillet {

class TAboutBoxZEB1 final : public TAboutBoxZEB {
    Q_DECLARE_TR_FUNCTIONS(TAboutBox)

public:
    explicit TAboutBoxZEB1(QWidget* parent = nullptr) : TAboutBoxZEB(parent) {
        setWindowTitle(tr("About Quillet"));
    }
};

}  // namespace quillet
