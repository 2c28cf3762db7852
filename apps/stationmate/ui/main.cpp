// stationmate: the instrument exchange program.
#include "qt_interactions.h"
#include "main_frame.h"
#include "pc_volumes.h"
#include "qt_serial_port.h"

#include "qtkit/qt_language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace stationmate;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtSerialPort port;
    QtInteractionSet interactions;
    CStationmateApp state(port, interactions.Get(), PortSource{}, ReadMountsTable(), HomeDirectory());
    CMainFrame frame(state, interactions.runner);
    frame.resize(1000, 640);
    frame.show();
    // Closing the window ends the program (at once while an exchange waits:
    // see CMainFrame::closeEvent).
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, [&application] { application.exit(1); });
    return application.exec();
}
