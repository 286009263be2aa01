// Comment options: three frames of options whose texts go into the comments box,
// read from the comment options file, and the comments box's own clean-up.
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

enum class OptionFrame { StationType, SeaConditions, DayNight };

// Start-up: reads the comment options file (commentOptPath) into the frames;
// a missing file is reported "Unable to find " + path. Throws FileError on a read error.
void LoadCommentOptions(Workstation& w);
// The caption fitting of an option line for a frame ("Moderate" -> "MODRT").
std::string FitOptionCaption(const std::string& line, OptionFrame frame);
// Every ":;" becomes ":" and every ";;" becomes ";" until nothing changes.
std::string CleanComments(std::string text);
// Sets the comments box text and runs its clean-up (its change event).
void SetComments(Workstation& w, const std::string& text);
// The operator typed in the comments box.
void txtComments_Change(Workstation& w);
// Clicking and double-clicking option k of a frame.
void CommentOption_Click(Workstation& w, OptionFrame frame, int k);
void CommentOption_DblClick(Workstation& w, OptionFrame frame, int k);
// After a recording: every option deselected, comments back to "Comments: ".
void ClearCommentOptions(Workstation& w);

}  // namespace varnel
