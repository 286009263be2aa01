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

void SyncCommon(QWidget* w, const Control& c);
void SyncLineEdit(QLineEdit* e, const TextBox& t);
void SyncCombo(QComboBox* b, const ComboBox& c);
void SyncButton(QAbstractButton* b, const std::string& caption, bool checked, const Control& c);

}  // namespace varnel::views
