#include "launcher_dialog.h"

#include "about_dialog.h"
#include "icons.h"
#include "launcher_texts.h"
#include "programs.h"
#include "qt_child.h"
#include "qt_text.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

#include <utility>

namespace toolhub {

namespace {

// A main window of its own (so it is in the task bar) with the title and
// the close box, but neither minimise nor maximise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
constexpr int kPictureSide = 32;
constexpr int kMargin = 4;
constexpr int kSpacing = 6;

} // namespace

LauncherDialog::LauncherDialog(std::filesystem::path ownDirectory, DialogRunner& runner, QWidget* parent)
    : QDialog(parent, kWindowFlags), launcher_(std::move(ownDirectory)), runner_(runner)
{
    setWindowTitle(ToQ(kWindowTitle));
    setWindowIcon(ProgramIcon(kOwnName));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    AddButtons();
}

void LauncherDialog::AddButtons()
{
    auto* layout = Child<QVBoxLayout>(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    // The window keeps the size of its column of buttons.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const ProgramButton& entry : kProgramButtons) {
        auto* button = Child<PictureButton>(this);
        button->setObjectName(ToQ(entry.program));
        button->setText(ToQ(entry.caption));
        button->setIcon(ProgramIcon(entry.program));
        button->setIconSize(QSize(kPictureSide, kPictureSide));
        // Whether it started is nobody's concern: a missing program changes nothing here.
        const std::string_view program = entry.program;
        connect(button, &QAbstractButton::clicked, this, [this, program] { launcher_.Start(program); });
        layout->addWidget(button);
        buttons_.push_back(button);
    }
}

void LauncherDialog::contextMenuEvent(QContextMenuEvent* event)
{
    ShowMenu(event->globalPos());
    event->accept();
}

void LauncherDialog::ShowMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    QAction* about = menu.addAction(ToQ(kAboutEntry));
    about->setObjectName(kAboutAction);
    if (runner_.RunMenu(menu, globalPos) == about) About();
}

void LauncherDialog::About()
{
    AboutDialog dialog(windowIcon(), this);
    runner_.Run(dialog);
}

} // namespace toolhub
