#include "common/files/text_file.h"
#include "common/forms/application.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "vismaker/run/face_marks.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"
#include "vismaker/window/statistics_window.h"

namespace vismaker {

namespace {

// The dark red of an error message.
constexpr std::int32_t kErrorColour = 80;
// statusMessage at the end of a run, wide enough for the end message.
constexpr int kEndMessageWidth = 2775;

std::string withoutExtension(std::string_view entry) {
    return std::string(entry.substr(0, entry.size() >= 4 ? entry.size() - 4 : 0));
}

// A name or path for a caption or the log, in the encoding of the words around it.
std::string shown(const VismakerTexts& texts, std::string_view name) {
    return texts.Utf8 ? common::heldToUtf8(name) : std::string(name);
}

void append(std::string& list, std::string_view entry) {
    list += entry;
    list += common::kCrLf;
}

}  // namespace

// The run: every face of the folder list, in its order, then the statistics files. Any fault
// stops it with a message, and nothing is written; the limits keep what the faces read so far
// brought, so pressing again after mending the folder goes on from them.
void StatisticsWindow::selectAllButton_Click() {
    ModelBox.setText("");
    ActressesBox.setText("");
    SingersBox.setText("");
    models_.clear();
    actresses_.clear();
    singers_.clear();
    // A face that stopped the last run leaves no mark on the first face of this one.
    UrlFlag = false;
    ColourFlag = false;
    HeightFlag = false;
    statusMessage.Caption = Texts.CalculatingText;
    statusMessage.Visible = true;
    statusMessage.Refresh();
    log_ = pictureLogHead(Texts.LogHeader);
    LogBox.setText(log_);
    // The list was read when the folder was chosen; faces saved or removed since then count as
    // the folder holds them now.
    File1.Refresh();
    const int count = File1.ListCount();
    if (count == 0) {
        statusMessage.Caption = Texts.NoFilesText;
        return;
    }
    try {
        readFaces(count);
        writeStatistics(count);
    } catch (const RunStopped& stopped) {
        stop(stopped);
        return;
    }
    showEndState();
}

void StatisticsWindow::readFaces(int count) {
    const PictureFolder pictures(Dir1.Path(), static_cast<std::size_t>(count));
    const std::string progress = common::Str(count) + Texts.CheckingText;
    for (int i = 0; i < count; ++i) {
        readFace(pictures, File1.List(i), progress);
    }
}

void StatisticsWindow::readFace(const PictureFolder& pictures, const std::string& entry,
                                const std::string& progress) {
    FileLoadsHere.setText("");
    const std::string name = withoutExtension(entry);
    ViewsPresent views{};
    for (const int view : {1, 3}) {
        views[static_cast<std::size_t>(view)] =
            pictures.exists(name + static_cast<char>('0' + view) + ".jpg");
        if (!views[static_cast<std::size_t>(view)]) {
            throw RunStopped{Texts.ErrorPrefix + shown(Texts, name) +
                             static_cast<char>('0' + view) + Texts.MissingText};
        }
    }
    if (ShowPicsTick.Value() == 1) {
        showPortrait(name);
    }
    progressLabel.Caption = progress + shown(Texts, name);
    progressLabel.Visible = true;
    progressLabel.Refresh();
    if (ShowPicsTick.Value() == 1) {
        PicField.Refresh();
    }

    std::string text;
    try {
        text = pictures.read(entry);
    } catch (const common::Error& error) {
        throw RunStopped{Texts.ErrorPrefix + shown(Texts, entry) +
                         " could not be read: " + error.reason()};
    }
    const FaceMarks marks = scanFaceLines(text);
    if (marks.model) {
        append(models_, entry);
    }
    if (marks.actress) {
        append(actresses_, entry);
    }
    if (marks.singer) {
        append(singers_, entry);
    }
    UrlFlag = UrlFlag || marks.url;
    ColourFlag = ColourFlag || marks.colour;
    HeightFlag = HeightFlag || marks.height;
    FileLoadsHere.setText(std::move(text));

    try {
        ProfileFlag = ReadFaceValues(FileLoadsHere.Text(), Values);
    } catch (const common::Error& error) {
        // What is wrong in the face's own words: a missing section, a value that does not fit.
        const std::string what = error.what();
        throw RunStopped{Texts.ErrorPrefix + shown(Texts, entry) +
                         " is damaged: " + what.substr(what.find(": ") + 2)};
    }
    logFaceViews(pictures, name, views);
    UpdateLimits(Values, FaceLimits);
}

// Views 1 and 3 were found just before; the other three are looked for now.
void StatisticsWindow::logFaceViews(const PictureFolder& pictures, std::string_view name,
                                    ViewsPresent views) {
    for (const int view : {0, 2, 4}) {
        views[static_cast<std::size_t>(view)] =
            pictures.exists(std::string(name) + static_cast<char>('0' + view) + ".jpg");
    }
    FaceMarks marks;
    marks.url = UrlFlag;
    marks.colour = ColourFlag;
    marks.height = HeightFlag;
    // Beside UTF-8 words the name is UTF-8 too, so the log never mixes two encodings.
    log_ += pictureLogLine(views, ProfileFlag, marks, shown(Texts, name));
    UrlFlag = false;
    HeightFlag = false;
    ColourFlag = false;
}

// The midpoints take the place of the last face's values before the files are saved, so a run
// started again after a failed save goes on from them.
void StatisticsWindow::writeStatistics(int count) {
    const VisFiles files = BuildVisFiles(FaceLimits, count);
    Values = files.midValues;
    // The text of Median.vis without the quotes that make it one item.
    FileGoesHere.setText(files.median.substr(1, files.median.size() - 4));
    try {
        SaveVisFiles(Dir1.Path(), files);
    } catch (const common::Error& error) {
        throw RunStopped{Texts.ErrorPrefix + "The statistics files could not be written: " +
                         shown(Texts, error.file()) + ": " + error.reason()};
    }
}

void StatisticsWindow::showEndState() {
    ShowPicsTick.Visible = false;
    app().platform().beep();
    statusMessage.Caption = Texts.EndMessage;
    statusMessage.Width = kEndMessageWidth;
    ModelBox.setText(std::move(models_));
    ActressesBox.setText(std::move(actresses_));
    SingersBox.setText(std::move(singers_));
    LogBox.setText(std::move(log_));
    LogBox.Visible = true;
    SaveLog.Visible = true;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &PicField, &File1, &Dir1, &browseHeading, &progressLabel, &Drive1, &selectAllButton}) {
        control->Visible = false;
    }
}

// A portrait that cannot be shown leaves the picture box empty; the run goes on.
void StatisticsWindow::showPortrait(std::string_view name) {
    try {
        PicField.LoadPicture(common::joinPath(Dir1.Path(), std::string(name) + "1.jpg"));
    } catch (const common::Error&) {
        PicField.ClearPicture();
    }
}

// The folder boxes and the button stay, so the user can mend the folder and press again.
void StatisticsWindow::stop(const RunStopped& stopped) {
    try {
        PicField.LoadPicture(common::joinPath(Dir1.Path(), "Missing.jpg"));
    } catch (const common::Error&) {
        PicField.ClearPicture();
    }
    statusMessage.ForeColor = kErrorColour;
    statusMessage.Caption = stopped.caption;
}

}  // namespace vismaker
