// frmEventEdit, the event list editor: a 31-row grid of the role list and its
// three buttons.
#pragma once
#include <array>
#include <string>

#include "platform/controls.h"

namespace varnel {

struct EventEditForm {
    EventEditForm();

    std::string caption = "Event Editor";
    bool loaded = false;
    bool visible = false;

    Grid EventList;                  // rows 0..30, columns 0 and 1
    std::array<Button, 3> Command1;  // Update, Save To New Event File, Exit back to Logger
};

}  // namespace varnel
