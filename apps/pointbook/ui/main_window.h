// The main window "Harwick Coordinate Editer": the grid of points and the
// menus File (Open, Save, SaveAs), Options (Setting) and Help (About), and
// the grid's context menu (Delete). Every dialog, message and file name goes
// through the interactions, so tests drive the real window.
#pragma once

#include "dialog_runner.h"
#include "editor.h"
#include "grid_view.h"
#include "point_model.h"

#include <QMainWindow>

class QAction;

namespace pointbook {

struct Interactions {
    Prompter& prompter;
    FileChooser& files;
    DialogRunner& runner;
};

class PointbookWindow : public QMainWindow, private GridHost {
public:
    // library: where the drawing library is, for saving drawings.
    explicit PointbookWindow(Interactions interactions, drawmap::LibrarySearch library = {},
                             QWidget* parent = nullptr);

    PointEditor& Editor() { return editor_; }
    PointTableModel& Model() { return model_; }
    PointGridView& View() { return view_; }

    // The menu commands that are the window's own.
    void Setting();
    void About();
    // The context menu on a grid row; Delete removes the row.
    void ShowRowMenu(int row, const QPoint& globalPos);

private:
    const pointlist::Table& Points() const override { return model_.Grid().Points(); }
    void ReplacePoints(pointlist::Table table) override;
    void CommitPendingEdit() override { view_.CommitPendingEdit(); }
    void ShowStatus(std::string_view text) override;

    void BuildMenus();
    QAction* AddEntry(QMenu& menu, std::string_view text, const char* name, const QKeySequence& shortcut);

    Interactions io_;
    PointTableModel model_;  // outlives the view that shows it
    PointGridView view_;
    PointEditor editor_;
};

} // namespace pointbook
