// stationmate-shot: the exchange program's window with the demo instrument
// listed, saved as a picture for the README. It starts the simulated
// instrument on a private port map, opens the real window, lists COM1 and
// opens a job, and grabs the window. The PC pane shows the home folder it
// is given and one made-up USB stick, never the volumes of the machine the
// picture is taken on.
#include "qt_interactions.h"
#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/instrument_sim.h"
#include "main_frame.h"
#include "pc_volumes.h"
#include "qt_serial_port.h"

#include "qtkit/qt_language.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* kPictureMounts = "/dev/sdb1 /media/surveyor/FIELD-USB vfat rw,nosuid,nodev 0 0\n";

} // namespace

int main(int argc, char** argv)
{
    using namespace stationmate;
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: stationmate-shot OUTPUT.png\n");
        return 2;
    }
    const fs::path scratch = fs::temp_directory_path() / ("stationmate-shot-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    harwick::sim::InstrumentStore store(scratch / "instrument");
    if (!harwick::sim::SeedDemoInstrument(store)) return 1;
    harwick::sim::InstrumentSim instrument({scratch / "instrument", "COM1", {}});
    std::string error;
    if (!instrument.Start(error)) {
        std::fprintf(stderr, "stationmate-shot: %s\n", error.c_str());
        return 1;
    }

    QApplication application(argc, argv);

    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtSerialPort port;
    QtInteractionSet interactions;
    CStationmateApp state(port, interactions.Get(), PortSource{}, kPictureMounts, HomeDirectory());
    CMainFrame frame(state, interactions.runner);
    frame.resize(1000, 620);
    frame.show();
    int rc = 1;
    QTimer::singleShot(200, [&] {
        frame.DeviceView()->topLevelItem(0)->setExpanded(true);
        QCoreApplication::processEvents();
        for (QTreeWidgetItemIterator it(frame.DeviceView()); *it; ++it) {
            if ((*it)->text(0).startsWith("Job 1")) (*it)->setExpanded(true);
            if ((*it)->text(0).startsWith("Fixpoints")) frame.DeviceView()->setCurrentItem(*it);
        }
        if (frame.DriveView()->topLevelItemCount() > 1) frame.DriveView()->topLevelItem(1)->setExpanded(true);
        QCoreApplication::processEvents();
        QTimer::singleShot(200, [&] {
            rc = frame.grab().save(argv[1]) ? 0 : 1;
            application.quit();
        });
    });
    application.exec();
    instrument.Stop();
    fs::remove_all(scratch);
    return rc;
}
