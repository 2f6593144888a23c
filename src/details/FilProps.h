// TfrmFileProperties1: the properties dialog the program creates at start and reuses.
#pragma once

#include "details/FileProp.h"

namespace quillet {

class TfrmFileProperties1 final : public TfrmFileProperties {
    Q_DECLARE_TR_FUNCTIONS(TfrmFileProperties)

public:
    explicit TfrmFileProperties1(QWidget* parent = nullptr) : TfrmFileProperties(parent) {
        setWindowTitle(tr("File Properties"));
    }
};

}  // namespace quillet
