#include "app/views/widgets_sync.h"

#include "platform/qt/codepage.h"

namespace varnel::views {

void SyncCommon(QWidget* w, const Control& c) {
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    QString tip = ToQt(c.tooltip);
    if (w->toolTip() != tip) w->setToolTip(tip);
}

void SyncLineEdit(QLineEdit* e, const TextBox& t) {
    QString s = ToQt(t.text);
    if (e->text() != s) e->setText(s);
    if (e->isReadOnly() != t.locked) e->setReadOnly(t.locked);
    SyncCommon(e, t);
}

void SyncCombo(QComboBox* b, const ComboBox& c) {
    QStringList items;
    for (const auto& i : c.items) items << ToQt(i);
    QStringList have;
    for (int i = 0; i < b->count(); ++i) have << b->itemText(i);
    if (have != items) {
        QString keep = b->currentText();
        b->clear();
        b->addItems(items);
        b->setCurrentIndex(-1);
        b->setEditText(keep);
    }
    QString s = ToQt(c.text);
    if (b->currentText() != s) b->setEditText(s);
    SyncCommon(b, c);
}

void SyncButton(QAbstractButton* b, const std::string& caption, bool checked, const Control& c) {
    QString s = ToQt(caption);
    s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (b->text() != s) b->setText(s);
    if (b->isCheckable() && b->isChecked() != checked) b->setChecked(checked);
    if (b->isHidden() == c.visible) b->setHidden(!c.visible);
    SyncCommon(b, c);
}

}  // namespace varnel::views
