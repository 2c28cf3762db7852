// stationmate: the instrument exchange program.
#include "qt_interactions.h"
#include "main_frame.h"
#include "pc_volumes.h"
#include "qt_serial_port.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace stationmate;
    QApplication application(argc, argv);
    QtSerialPort port;
    QtInteractionSet interactions;
    CStationmateApp state(port, interactions.Get(), CheckPort, ReadMountsTable(), HomeDirectory());
    CMainFrame frame(state, interactions.runner);
    frame.resize(1000, 640);
    frame.show();
    // Closing the window ends the program at once, also while an exchange
    // waits for the instrument (its files are written whole or not at all).
    QObject::connect(&application, &QApplication::lastWindowClosed, [&state, &application] {
        if (state.busy) std::_Exit(1);
        application.exit(1);
    });
    return application.exec();
}
