#include "qtkit/dialog_runner.h"

#include <QDialog>
#include <QMenu>

namespace harwick::qtkit {

QAction* DialogRunner::RunMenu(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

int ExecRunner::Run(QDialog& dialog) { return dialog.exec(); }

} // namespace harwick::qtkit
