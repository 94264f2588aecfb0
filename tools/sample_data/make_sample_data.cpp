// Builds the bundled sample database, and a starting Prefs.prf when asked and absent.
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "common/text/cp1252.h"
#include "tools/sample_data/sample_database.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--prefs")) {
        std::fprintf(stderr, "usage: make_sample_data <folder> [--prefs <Prefs.prf>]\n");
        return 1;
    }
    try {
        sample::writeSampleDatabase(common::utf8ToCp1252(args[1].toStdString()));
        if (args.size() == 4) {
            sample::writeStartingPrefs(common::utf8ToCp1252(args[3].toStdString()));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_data: %s\n", e.what());
        return 2;
    }
    return 0;
}
