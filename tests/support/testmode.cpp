// Linked into every test program: before anything runs, Qt's standard paths
// (and with them QSettings) point to the test locations, so no test reads or
// writes the user's configuration.
#include <QStandardPaths>

namespace {

const bool testModeOn = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

} // namespace
