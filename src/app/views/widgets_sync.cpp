#include "app/views/widgets_sync.h"

#include <algorithm>

#include "platform/qt/codepage.h"

namespace varnel::views {

QString ShownText(const std::string& model, const QString& shown) {
    std::u32string stands;  // what each "?" of the shown text's model stands for
    for (char32_t c : shown.toStdU32String())
        if (c == U'?' || !CodePageByte(c)) stands += c;
    if (static_cast<size_t>(std::count(model.begin(), model.end(), '?')) != stands.size()) return ToQt(model);
    QString out;
    size_t from = 0, k = 0;
    for (size_t at; (at = model.find('?', from)) != std::string::npos; from = at + 1)
        out += ToQt(model.substr(from, at - from)) + QString::fromStdU32String(std::u32string(1, stands[k++]));
    return out + ToQt(model.substr(from));
}

bool ShowsModel(const QString& shown, const std::string& model) {
    return FromQt(shown) == model;
}

void SyncCommon(QWidget* w, const Control& c) {
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    QString tip = ToQt(c.tooltip);
    if (w->toolTip() != tip) w->setToolTip(tip);
}

void SyncLineEdit(QLineEdit* e, const TextBox& t) {
    if (!ShowsModel(e->text(), t.text)) e->setText(ShownText(t.text, e->text()));
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
    if (!ShowsModel(b->currentText(), c.text)) b->setEditText(ShownText(c.text, b->currentText()));
    SyncCommon(b, c);
}

void SyncButton(QAbstractButton* b, const std::string& caption, bool checked, const Control& c, QChar mnemonic) {
    QString s = ToQt(caption);
    s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (int at = mnemonic.isNull() ? -1 : static_cast<int>(s.indexOf(mnemonic)); at >= 0)
        s.insert(at, QLatin1Char('&'));
    if (b->text() != s) b->setText(s);
    if (b->isCheckable() && b->isChecked() != checked) b->setChecked(checked);
    if (b->isHidden() == c.visible) b->setHidden(!c.visible);
    SyncCommon(b, c);
}

}  // namespace varnel::views
