// Binds a grid model to a QTableView through a GridTableModel: column widths and visibility, the
// caption above the table, whole-row selection shown from the model, clicks and the keys that move
// or select written to the model (so the form's Click runs), the user's scrolling (ScrollAfter), and
// the redraw switch. A click on an editable cell (a drop-down Action cell, say) opens its editor, and
// F2 opens the editor of the row's editable cell.
#pragma once

#include "desktop/ControlBinding.h"
#include "desktop/GridTableModel.h"

#include <QLabel>
#include <QTableView>

#include <optional>

namespace tavrik {

class SSOleDBGrid;

class GridBinding : public ControlBinding {
    Q_OBJECT

public:
    // caption, a label the view lays out above the table, shows the grid's caption (hidden while the
    // caption is empty); without one the caption is not shown.
    GridBinding(SSOleDBGrid& grid, QTableView* view, BoundWidgets& boundWidgets, QLabel* caption = nullptr);

    GridTableModel* Model() const { return model_; }
    // The width that shows every column at the width the binding gave it: room for the table's frame
    // and its scroll bar included.
    int FullWidth() const;
    // The columns fill the table's width: the room their needs leave is shared among them.
    void StretchColumns();

protected:
    void Repaint() override;
    // Turns the mouse and the keys on the table into clicks on the model, which alone decides the
    // selection.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After every reset of the table: widths, hidden columns, the selection and the current row.
    void ShowColumnsAndRows();
    // Each shown column at least as wide as its twips width, its caption drawn bold (the heading
    // of a selected row's column is) and the values of the rows in sight; only those rows are read.
    void FitColumns();
    // The width the widest value of the column takes among the rows in sight.
    int ValuesWidth(int section) const;
    void Press(const QMouseEvent& event);
    // Answers whether the key was taken; keys that neither move nor select go on to the table.
    bool KeyPress(const QKeyEvent& event);
    // The row a moving key goes to from the cursor's row (-1 without one), unclamped; nothing for
    // other keys.
    std::optional<int> MoveTarget(int key, int cursor) const;
    // Opens the editor of the row's first shown cell that takes an edit (rows are selected whole, so
    // the cursor never rests on a cell of its own).
    void EditRow(int row);
    // Opens the cell's editor when it takes an edit; answers whether it does.
    bool EditCell(int row, int column);
    // Space ticks the row's check box (or clicks the row); Ctrl+Space adds the row to the selection
    // or takes it out.
    void PressSpace(int row, Qt::KeyboardModifiers modifiers);
    // A click on a cell, as the mouse or the space bar makes it: on the row, then on a check box.
    void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers);
    // Puts the table's focus on the row (the selection is the model's), in sight.
    void PlaceCursor(int row);
    int FirstShownColumn() const;

    SSOleDBGrid& grid_;
    QTableView* view_;
    // Kept apart: while the view is being destroyed its viewport's last events still reach the filter.
    QObject* viewport_;
    QLabel* caption_;
    GridTableModel* model_;
    int savedScroll_ = 0;
    bool stretch_ = false;
};

} // namespace tavrik
