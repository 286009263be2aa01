// The station's own notices in status bar panel 7, apart from the texts of panel 1:
// events not saved anywhere, local logs behind, events waiting for the shared folder,
// a stale fix, characters that the logs cannot hold. Several can apply at once; the
// panel shows the one closest to losing data, and the others stay posted until they
// are cleared, so the panel falls back to them.
#pragma once
#include <string>

namespace varnel {

struct ActivityForm;

// In order of urgency, the most urgent first.
enum class Notice { NotSavedAnywhere, LocalLogsBehind, EventsWaiting, StaleFix, ReplacedCharacters };
inline constexpr size_t kNoticeKinds = 5;

// Posts (or replaces) a notice with its text and the panel's tooltip for it.
void PostNotice(ActivityForm& f, Notice kind, std::string text, std::string tooltip = {});
void ClearNotice(ActivityForm& f, Notice kind);
bool NoticePosted(const ActivityForm& f, Notice kind);

}  // namespace varnel
