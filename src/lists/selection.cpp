#include "lists/selection.h"

#include <algorithm>

#include "lists/comment_options.h"
#include "lists/role_lists.h"
#include "platform/strings.h"

namespace varnel {

namespace {

void Select(ActivityForm& f, int k) {
    for (size_t i = 0; i < f.Option1.size(); ++i) f.Option1[i].value = static_cast<int>(i) == k;
}

void SinglePick(Workstation& w, int k) {
    auto& f = w.frmActivity;
    if (!f.Option1.at(static_cast<size_t>(k)).value) return;
    if (static_cast<size_t>(k) < f.Combo1.items.size()) f.Combo1.text = f.Combo1.items[static_cast<size_t>(k)];
}

void RemoveFromComments(Workstation& w, const std::string& caption) {
    SetComments(w, ReplaceAll(w.frmActivity.txtComments.text, ";" + caption, ""));
}

}  // namespace

void ShowEventInPanel(ActivityForm& f) {
    if (f.MultiMode) return;
    int match = -1;
    for (int i = 0; i <= std::min<int>(f.LastEventIndex, 29); ++i)
        if (f.Option1[static_cast<size_t>(i)].caption == f.Combo1.text) match = i;
    Select(f, match);
}

void Option1_Click(Workstation& w, int k) {
    Select(w.frmActivity, k);
    SinglePick(w, k);
}

void Check1_Click(Workstation& w, int k) {
    auto& c = w.frmActivity.Check1.at(static_cast<size_t>(k));
    c.value = c.value ? 0 : 1;
    MultiPick(w, k);
}

void MultiPick(Workstation& w, int k) {
    auto& f = w.frmActivity;
    int count = 0, highest = -1;
    for (size_t i = 0; i < f.Check1.size(); ++i)
        if (f.Check1[i].value) {
            ++count;
            highest = static_cast<int>(i);
        }
    const auto& box = f.Check1.at(static_cast<size_t>(k));
    if (count == 1) {
        if (static_cast<size_t>(highest) < f.Combo1.items.size())
            f.Combo1.text = f.Combo1.items[static_cast<size_t>(highest)];
        if (!box.value) RemoveFromComments(w, box.caption);
    } else if (box.value) {
        SetComments(w, f.txtComments.text + ";" + box.caption);
    } else {
        RemoveFromComments(w, box.caption);
    }
}

void Combo1_Click(Workstation& w) {
    auto& f = w.frmActivity;
    int last = std::min<int>(f.LastEventIndex, f.MultiMode ? 26 : 29);
    for (int k = 0; k <= last; ++k) {
        if (f.MultiMode) {
            auto& c = f.Check1[static_cast<size_t>(k)];
            if (c.caption == f.Combo1.text && !c.value) {
                c.value = 1;
                MultiPick(w, k);
            }
        } else if (f.Option1[static_cast<size_t>(k)].caption == f.Combo1.text) {
            Option1_Click(w, k);
        }
    }
}

void mnuMulti_Click(Workstation& w) {
    auto& f = w.frmActivity;
    f.MultiMode = !f.menu.mnuMulti.checked;
    f.menu.mnuMulti.checked = f.MultiMode;
    f.frmSelectEvent.visible = !f.MultiMode;
    f.frmSelectMulti.visible = f.MultiMode;
    LoadEventListWithRetry(w, ListOccasion::ModeSwitch);
}

void AdvanceEventSelection(Workstation& w) {
    auto& f = w.frmActivity;
    std::string ev = UCase(f.Combo1.text);
    if (Contains(ev, "SAMPLE") || Contains(ev, "DEPARTURE") || f.MultiMode) return;
    int last = f.LastEventIndex;
    if (last >= 0 && last < 30 && f.Option1[static_cast<size_t>(last)].value) {
        Option1_Click(w, 0);
        return;
    }
    if (!f.menu.mnuAutoEvent.enabled) return;
    for (int k = 0; k <= last - 1 && k < 29; ++k) {
        if (f.Option1[static_cast<size_t>(k)].value) {
            f.Option1[static_cast<size_t>(k)].value = false;
            Option1_Click(w, k + 1);
            return;
        }
    }
}

}  // namespace varnel
