#include <QApplication>

#include <filesystem>

#include "common/files/file_size_limit.h"
#include "common/forms/application.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "common/text/cp1252.h"
#include "vismaker/window/statistics_window.h"

int main(int argc, char** argv) {
    // Whatever writes past a file-size limit fails and is reported; nothing kills the program.
    common::makeFileSizeLimitAnError();
    QApplication qapp(argc, argv);
    qtui::QtPlatform platform;
    forms::Application app(platform, common::fromPath(std::filesystem::current_path()));
    vismaker::StatisticsWindow window(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&window] { window.Show(); });
    binding.sync();
    return app.ended() ? 0 : QApplication::exec();
}
