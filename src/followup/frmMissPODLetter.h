#pragma once

#include "core/FormWindow.h"

class QLabel;

namespace followup {

// The missing-POD window: records a missing-POD case and prints the follow-up letter.
class frmMissPODLetter : public core::FormWindow<frmMissPODLetter> {
public:
    frmMissPODLetter();

    QLabel* lblBranch;

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace followup
