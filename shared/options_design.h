#pragma once

#include "base/control_design.h"

// The options dialog's controls, by their design names.
enum class OptionsControl {
    cmdOK,             // NOLINT(readability-identifier-naming)
    cmdCancel,         // NOLINT(readability-identifier-naming)
    Check_msgonsync,   // NOLINT(readability-identifier-naming)
    Check_synconstart, // NOLINT(readability-identifier-naming)
    Check_Warnton,     // NOLINT(readability-identifier-naming)
    Txt_WarnTonSek,    // NOLINT(readability-identifier-naming)
    Label1
};

// The dialog `frmOptions` as designed: three check boxes, the alarm seconds and two buttons on a
// pale yellow ground.
const WindowDesign<OptionsControl>& optionsDesign();
