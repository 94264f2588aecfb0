#include "common/files/list_file.h"
#include "common/files/safe_save.h"
#include "common/forms/application.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "vismaker/window/statistics_window.h"

namespace vismaker {

// The picture log and the three category lists, saved as one unit; then the program ends. A save
// that fails is reported, nothing of it is left half-written, and the window stays, so the log
// is not lost.
void StatisticsWindow::SaveLog_Click() {
    const std::string folder = Dir1.Path();
    const std::string singers = common::listFileText(SingersBox.Text());
    const std::string actresses = common::listFileText(ActressesBox.Text());
    const std::string models = common::listFileText(ModelBox.Text());
    const std::string paths[] = {
        common::joinPath(folder, "PictureLog.log"), common::joinPath(folder, "Singers.lst"),
        common::joinPath(folder, "Actresses.lst"), common::joinPath(folder, "Models.lst")};
    const common::FileContent files[] = {
        {paths[0], LogBox.Text()}, {paths[1], singers}, {paths[2], actresses}, {paths[3], models}};
    try {
        common::saveFilesTogether(files);
    } catch (const common::Error& error) {
        app().platform().reportError("The picture log and the lists could not be saved: " +
                                     common::heldToUtf8(error.file()) + ": " + error.reason());
        return;
    }
    app().End();
}

}  // namespace vismaker
