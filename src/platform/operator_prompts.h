// OperatorPrompts: every question and dialog put to the watch-stander: message
// boxes and the file dialogs. A routine that may stop and ask takes these.
#pragma once
#include <optional>
#include <string>

namespace varnel {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Exclamation, Critical, Error };
enum class Answer { Ok, Yes, No, Cancel };

class OperatorPrompts {
public:
    OperatorPrompts() = default;
    virtual ~OperatorPrompts() = default;
    OperatorPrompts(const OperatorPrompts&) = delete;
    OperatorPrompts& operator=(const OperatorPrompts&) = delete;

    // `defaultAnswer` is the button that Enter and Space press. Questions that can lose or
    // restart data default to No.
    virtual Answer MsgBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title,
                          Answer defaultAnswer = Answer::Yes) = 0;
    virtual std::optional<std::string> OpenFileDialog(const std::string& initialFolder) = 0;
    virtual std::optional<std::string> SaveFileDialog(const std::string& initialFolder) = 0;
};

}  // namespace varnel
