#pragma once

#include "app/logic/control_design.h"

// The options dialog's controls, by their design names.
enum class OptionsControl {
    cmdOK,
    cmdCancel,
    Check_msgonsync,
    Check_synconstart,
    Check_Warnton,
    Txt_WarnTonSek,
    Label1
};

// The dialog `frmOptions` as designed: three check boxes, the alarm seconds and two buttons on a
// pale yellow ground.
const WindowDesign<OptionsControl>& optionsDesign();
