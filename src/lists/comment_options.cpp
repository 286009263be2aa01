#include "lists/comment_options.h"

#include <span>
#include <vector>

#include "lists/edited_files.h"
#include "platform/strings.h"

namespace varnel {

namespace {

struct FrameInfo {
    Frame* frame;
    std::span<OptionButton> options;
    size_t captionLimit;
    size_t optionLimit;
};

FrameInfo Info(ActivityForm& f, OptionFrame which) {
    switch (which) {
        case OptionFrame::StationType:
            return {&f.Frame5, f.Option5, 32, 7};
        case OptionFrame::SeaConditions:
            return {&f.Frame6, f.Option3, 24, 5};
        case OptionFrame::DayNight:
            break;
    }
    return {&f.Frame4, f.Option4, 15, 5};
}

std::string AppendSeparator(OptionFrame frame, int k) {
    if (frame == OptionFrame::SeaConditions && k < 2) return "; ";
    return ";";
}

std::string RemoveSeparator(OptionFrame frame, int k) {
    if (frame == OptionFrame::StationType) return "; ";
    if (frame == OptionFrame::SeaConditions && k == 0) return "; ";
    return ";";
}

}  // namespace

std::string FitOptionCaption(const std::string& line, OptionFrame frame) {
    size_t limit = frame == OptionFrame::StationType ? 7 : 5;
    if (line.size() <= limit) return line;
    std::string s = UCase(line);
    const char* order = frame == OptionFrame::SeaConditions ? "EAIO" : "EOIA";
    for (const char* c = order; *c && s.size() > limit; ++c) s = ReplaceAll(s, std::string(1, *c), "");
    if (s.size() > limit) s = s.substr(0, frame == OptionFrame::StationType ? 6 : 5);
    return s;
}

void LoadCommentOptions(Workstation& w) {
    auto& f = w.frmActivity;
    if (!w.files().Exists(f.commentOptPath)) {
        w.Msg("Unable to find " + f.commentOptPath);
        return;
    }
    auto lines = ReadEditedFile(w, f.commentOptPath);
    size_t next = 0;
    for (OptionFrame which : {OptionFrame::StationType, OptionFrame::SeaConditions, OptionFrame::DayNight}) {
        FrameInfo info = Info(f, which);
        if (next >= lines.size()) return;
        const std::string& cap = lines[next++];
        info.frame->caption = Trim(cap.size() <= info.captionLimit ? cap : cap.substr(0, info.captionLimit));
        for (auto& opt : info.options) {
            if (next >= lines.size()) return;
            const std::string& line = lines[next++];
            if (Trim(line).empty()) continue;
            opt.tooltip = info.frame->caption + ": " + line;
            opt.caption = FitOptionCaption(line, which);
        }
    }
}

std::string CleanComments(std::string text) {
    for (;;) {
        std::string next = ReplaceAll(ReplaceAll(text, ":;", ":"), ";;", ";");
        if (next == text) return text;
        text = next;
    }
}

void SetComments(Workstation& w, const std::string& text) {
    w.frmActivity.txtComments.text = CleanComments(text);
}

void txtComments_Change(Workstation& w) {
    SetComments(w, w.frmActivity.txtComments.text);
}

void CommentOption_Click(Workstation& w, OptionFrame frame, int k) {
    auto& f = w.frmActivity;
    FrameInfo info = Info(f, frame);
    for (size_t i = 0; i < info.options.size(); ++i) info.options[i].value = static_cast<int>(i) == k;
    const std::string tk = info.options[static_cast<size_t>(k)].tooltip;
    const std::string t = f.txtComments.text;
    bool night = frame == OptionFrame::DayNight && k == 1;
    if (!night && t.size() <= 13) {
        SetComments(w, "Comments: " + tk);
        return;
    }
    for (size_t i = 0; i < info.options.size(); ++i) {
        if (static_cast<int>(i) == k) continue;
        const std::string& other = info.options[i].tooltip;
        if (Contains(t, other)) {
            SetComments(w, ReplaceAll(t, other, tk));
            return;
        }
    }
    SetComments(w, t + AppendSeparator(frame, k) + tk);
}

void CommentOption_DblClick(Workstation& w, OptionFrame frame, int k) {
    auto& f = w.frmActivity;
    FrameInfo info = Info(f, frame);
    auto& opt = info.options[static_cast<size_t>(k)];
    const std::string& tk = opt.tooltip;
    const std::string t = f.txtComments.text;
    if (!Contains(t, tk)) return;
    std::string sep = RemoveSeparator(frame, k);
    SetComments(w, Contains(t, sep + tk) ? ReplaceAll(t, sep + tk, "") : ReplaceAll(t, tk, ""));
    opt.value = false;
}

void ClearCommentOptions(Workstation& w) {
    auto& f = w.frmActivity;
    for (auto& o : f.Option5) o.value = false;
    for (auto& o : f.Option3) o.value = false;
    for (auto& o : f.Option4) o.value = false;
    SetComments(w, "Comments: ");
}

}  // namespace varnel
