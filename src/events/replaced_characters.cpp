#include "events/replaced_characters.h"

#include "forms/notices.h"
#include "platform/code_page.h"

namespace varnel {

void NoteReplacedCharacters(ActivityForm& f, const std::string& number) {
    auto& r = f.replaced;
    std::string where;
    for (const auto& [chars, box] : {std::pair{&r.event, "event name"}, std::pair{&r.operatorInitials, "operator"},
                                     std::pair{&r.comments, "comments"}})
        if (!chars->empty()) where += (where.empty() ? "" : "; ") + CodePointNames(*chars) + " in the " + box;
    r = {};
    if (where.empty()) {
        ClearNotice(f, Notice::ReplacedCharacters);
        return;
    }
    PostNotice(f, Notice::ReplacedCharacters, "Event " + number + " logged \"?\" for " + where,
               "The logs are Windows-1252 text: each character they cannot hold is logged as one \"?\" and the rest "
               "of the text as typed. Where it matters, write the character out in letters and record a correction.");
}

}  // namespace varnel
