#include "dialog_runner.h"

#include <QDialog>
#include <QMenu>

namespace toolhub {

int ExecRunner::Run(QDialog& dialog)
{
    return dialog.exec();
}

QAction* ExecRunner::RunMenu(QMenu& menu, const QPoint& globalPos)
{
    return menu.exec(globalPos);
}

} // namespace toolhub
