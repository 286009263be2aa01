// Small helpers that bring a Qt widget in line with its control model, setting
// only what differs so carets and selections survive a refresh.
#pragma once
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "platform/controls.h"
#include "platform/qt/codepage.h"

namespace varnel::views {

inline constexpr double kTwipsPerPixel = 15.0;

// A model's text (in the station's code page) as Qt shows it.
inline QString Q(const std::string& s) {
    return ToQt(s);
}

// The model's text as a box shows it when the box holds `shown`: each "?" that stands
// for a character the code page cannot hold shows that character again, so a change the
// program makes (an option's text added to the comments) keeps on screen what the
// operator typed, and the characters are still told when the event is recorded.
QString ShownText(const std::string& model, const QString& shown);
// Whether the box's text is the model's (as the code page holds it).
bool ShowsModel(const QString& shown, const std::string& model);

void SyncCommon(QWidget* w, const Control& c);
void SyncLineEdit(QLineEdit* e, const TextBox& t);
void SyncCombo(QComboBox* b, const ComboBox& c);
// `mnemonic`, when given and in the caption, is underlined and pressed with Alt.
void SyncButton(QAbstractButton* b, const std::string& caption, bool checked, const Control& c,
                QChar mnemonic = QChar());

}  // namespace varnel::views
