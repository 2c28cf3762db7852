#include "dialog_runner.h"

#include <QDialog>

namespace sketchconv {

int ExecRunner::Run(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace sketchconv
