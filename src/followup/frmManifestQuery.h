#pragma once

#include "core/FormWindow.h"

class QComboBox;

namespace followup {

// The manifest query window: manifests by date range, destination and status.
class frmManifestQuery : public core::FormWindow<frmManifestQuery> {
public:
    frmManifestQuery();

    QComboBox* cboStatus;

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace followup
