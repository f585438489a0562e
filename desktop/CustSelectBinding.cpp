#include "desktop/CustSelectBinding.h"

#include <QKeyEvent>

namespace tavrik {

CustSelectBinding::CustSelectBinding(Tavrik_CustSelect& selector, QLineEdit* edit, QListWidget* matches,
                                     BoundWidgets& boundWidgets)
    : ControlBinding(selector, edit, boundWidgets), selector_(selector), edit_(edit), matches_(matches),
      matchesChanged_(selector.MatchesChanged.ConnectScoped([this] { ShowMatches(); })) {
    connect(edit_, &QLineEdit::textEdited,
            [this](const QString& text) { selector_.SetSearchText(text.toStdString()); });
    connect(matches_, &QListWidget::itemActivated, [this](QListWidgetItem* item) {
        selector_.PickMatch(static_cast<std::size_t>(matches_->row(item)));
        edit_->setFocus();
    });
    edit_->installEventFilter(this);
    matches_->installEventFilter(this);
    edit_->setPlaceholderText(tr("Customer name or ID"));
    // Room for a handful of matches; the list scrolls through the rest.
    matches_->setMaximumHeight(matches_->fontMetrics().height() * 8 + 2 * matches_->frameWidth());
    Repaint();
    ShowMatches();
}

void CustSelectBinding::Repaint() {
    ControlBinding::Repaint();
    const QString text = QString::fromStdString(selector_.SearchText());
    if (edit_->text() != text)
        edit_->setText(text);
}

void CustSelectBinding::ShowMatches() {
    matches_->clear();
    for (const Tavrik_CustSelect::Match& match : selector_.Matches())
        matches_->addItem(
            QString::fromStdString(match.id + "  " + match.name + "  " + match.city + ", " + match.state));
    if (!selector_.SearchError().empty()) {
        auto* error = new QListWidgetItem(QString::fromStdString(selector_.SearchError()), matches_);
        error->setFlags(Qt::NoItemFlags);
    }
    // Shown while there is something to choose or to read; the list gives its room back otherwise.
    matches_->setVisible(matches_->count() > 0);
}

bool CustSelectBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return ControlBinding::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    return watched == edit_ ? EditKey(key) : ListKey(key);
}

bool CustSelectBinding::EditKey(int key) {
    if (key == Qt::Key_Down && !selector_.Matches().empty()) {
        matches_->setFocus();
        matches_->setCurrentRow(0);
        return true;
    }
    if (key == Qt::Key_Escape && !edit_->text().isEmpty()) {
        selector_.Clear();
        return true;
    }
    return false;
}

bool CustSelectBinding::ListKey(int key) {
    if (key == Qt::Key_Up && matches_->currentRow() <= 0) {
        edit_->setFocus();
        return true;
    }
    if (key == Qt::Key_Escape) {
        edit_->setFocus();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && matches_->currentRow() >= 0 &&
        static_cast<std::size_t>(matches_->currentRow()) < selector_.Matches().size()) {
        selector_.PickMatch(static_cast<std::size_t>(matches_->currentRow()));
        edit_->setFocus();
        return true;
    }
    return false;
}

} // namespace tavrik
