// The operator's word on characters the logs could not hold in the event just recorded.
#pragma once
#include "forms/activity_form.h"

namespace varnel {

// Names in the status bar the characters of the event, operator and comments boxes that
// were logged as "?" for event `number`, or clears that notice when there were none;
// then forgets them (the window reads again what its boxes still hold).
void NoteReplacedCharacters(ActivityForm& f, const std::string& number);

}  // namespace varnel
