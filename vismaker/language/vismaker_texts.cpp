#include "vismaker/language/vismaker_texts.h"

#include <optional>

#include "common/files/text_file.h"

namespace vismaker {

using common::language::StringEntries;
using common::language::StringFileForm;

VismakerTexts englishTexts() {
    const std::string crLf(common::kCrLf);
    VismakerTexts texts;
    texts.EndMessage = "Vis files updated.\rClose window to exit.";
    texts.LogHeader =
        "This text log shows which jpeg views are currently available for each face. "
        "Hyphens represent JPEGs that are missing." +
        crLf + "P = profile data. ^ = height data. c = colour data.";
    texts.CheckingText = " files. Checking...";
    texts.ErrorPrefix = "ERROR! ";
    texts.CalculatingText = "Calculating .vis files. Please wait.";
    texts.MissingText = ".jpg is missing! Vis files not created. Insert correct file and retry.";
    texts.NoFilesText = "No files to prepare. Select different directory.";
    texts.SelectAllCaption = "Select all";
    texts.SaveLogCaption = "Save 'Picturelog.log'";
    texts.BrowseHeadingCaption = "Browse for .txt files:";
    texts.ShowPicsCaption = "Show pictures?";
    return texts;
}

void applyStringEntries(const StringEntries& entries, VismakerTexts& texts) {
    const auto word = [&entries](int number) { return entries.entry(number); };
    const bool textForm = entries.form() == StringFileForm::Text;
    texts.Utf8 = !textForm;
    const std::string crLf(common::kCrLf);
    if (word(1) && word(2)) {
        texts.LogHeader = std::string(*word(1)) + std::string(*word(2)) + (textForm ? "" : crLf);
    }
    if (word(3) && word(4)) {
        texts.EndMessage = std::string(*word(3)) + (textForm ? crLf : "") + std::string(*word(4));
    }
    const std::pair<int, std::string*> singles[] = {
        {5, &texts.CheckingText},     {6, &texts.NoFilesText},
        {7, &texts.ErrorPrefix},      {8, &texts.MissingText},
        {9, &texts.CalculatingText},  {10, &texts.SelectAllCaption},
        {11, &texts.SaveLogCaption},  {12, &texts.BrowseHeadingCaption},
        {13, &texts.ShowPicsCaption},
    };
    for (const auto& [number, text] : singles) {
        if (const std::optional<std::string_view> entry = word(number)) {
            *text = *entry;
        }
    }
}

VismakerTexts loadTexts(std::string_view startFolder) {
    VismakerTexts texts = englishTexts();
    if (const std::optional<StringEntries> entries =
            common::language::loadStringEntries(startFolder, kVismakerStringFiles)) {
        applyStringEntries(*entries, texts);
    }
    return texts;
}

}  // namespace vismaker
