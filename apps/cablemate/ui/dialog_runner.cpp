#include "dialog_runner.h"

#include <QDialog>

namespace cablemate {

int ExecRunner::Run(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace cablemate
