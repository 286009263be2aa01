#include "forms/event_edit_form.h"

namespace varnel {

EventEditForm::EventEditForm() {
    EventList.Resize(31, 2);
    EventList.tooltip = "EventList; User-editable";
    EventList.colWidth = {800, 5000};
    Command1[0].caption = "Update";
    Command1[1].caption = "Save To New Event File";
    Command1[2].caption = "Exit back to Logger";
}

}  // namespace varnel
