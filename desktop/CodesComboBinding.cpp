#include "desktop/CodesComboBinding.h"

#include "desktop/FocusLossWatch.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace tavrik {

CodesComboBinding::CodesComboBinding(Tavrik_CodesCombo& combo, QComboBox* widget, BoundWidgets& boundWidgets)
    : ControlBinding(combo, widget, boundWidgets), combo_(combo), widget_(widget) {
    widget_->setEditable(true);
    widget_->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would change the shown text behind the model's back.
    widget_->setCompleter(nullptr);
    connect(widget_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        combo_.SetText(text.toStdString());
        Repaint();
    });
    connect(widget_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            combo_.SelectIndex(static_cast<std::size_t>(index));
        Repaint();
    });
    auto* focus = new FocusLossWatch({widget_, widget_->lineEdit()});
    connect(focus, &FocusLossWatch::focusLost, this, [this] { combo_.LostFocus.Raise(); });
    Repaint();
}

void CodesComboBinding::Repaint() {
    ControlBinding::Repaint();
    const QSignalBlocker blocker(widget_);
    ShowEntries();
    const std::string code = combo_.Code();
    const std::vector<CodeEntry>& entries = combo_.Entries();
    const auto found = code.empty()
                           ? entries.end()
                           : std::find_if(entries.begin(), entries.end(),
                                          [&](const CodeEntry& entry) { return entry.code == code; });
    const int current = found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    if (widget_->currentIndex() != current)
        widget_->setCurrentIndex(current);
    const QString text = QString::fromStdString(combo_.Text());
    // Setting the same text again would only move the cursor to the end.
    if (widget_->currentText() != text)
        widget_->setEditText(text);
}

void CodesComboBinding::ShowEntries() {
    const std::vector<CodeEntry>& entries = combo_.Entries();
    bool same = widget_->count() == static_cast<int>(entries.size());
    for (int index = 0; same && index < widget_->count(); ++index)
        same = widget_->itemText(index).toStdString() == entries[static_cast<std::size_t>(index)].description;
    if (same)
        return;
    widget_->clear();
    for (const CodeEntry& entry : entries)
        widget_->addItem(QString::fromStdString(entry.description));
}

} // namespace tavrik
