#include "forms/notices.h"

#include "forms/activity_form.h"

namespace varnel {

static_assert(std::tuple_size_v<decltype(ActivityForm::notices)> == kNoticeKinds);

namespace {

// The panel shows the most urgent notice posted; the first two, which mean events not
// yet in every log, and an event recorded without a current fix are alerts.
void ShowMostUrgent(ActivityForm& f) {
    auto& bar = f.StatusBar1;
    bar.panel[7].clear();
    bar.panelTooltip[7].clear();
    bar.panelAlert[7] = false;
    for (size_t k = 0; k < kNoticeKinds; ++k) {
        const auto& n = f.notices[k];
        if (n.text.empty()) continue;
        bar.panel[7] = n.text;
        bar.panelTooltip[7] = n.tooltip;
        bar.panelAlert[7] =
            k <= static_cast<size_t>(Notice::LocalLogsBehind) || k == static_cast<size_t>(Notice::StaleFix);
        return;
    }
}

}  // namespace

void PostNotice(ActivityForm& f, Notice kind, std::string text, std::string tooltip) {
    f.notices[static_cast<size_t>(kind)] = {std::move(text), std::move(tooltip)};
    ShowMostUrgent(f);
}

void ClearNotice(ActivityForm& f, Notice kind) {
    f.notices[static_cast<size_t>(kind)] = {};
    ShowMostUrgent(f);
}

bool NoticePosted(const ActivityForm& f, Notice kind) {
    return !f.notices[static_cast<size_t>(kind)].text.empty();
}

}  // namespace varnel
