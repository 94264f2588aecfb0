#include <gtest/gtest.h>

#include <QTest>

#include "analysis/program.h"
#include "common/qt/label_widget.h"
#include "tests/common/string_files.h"
#include "tests/qt/sample_program.h"

// A Russian string file reaches the screen as Cyrillic, while an 8-bit face name beside it
// still shows its Windows-1252 letters.
TEST(LanguageWidgets, ACyrillicCaptionShowsAsCyrillic) {
    TempFolder folder;
    folder.write("language.txt", "9\r\n");
    // Entry 1 is the main window's caption, entry 16 "Run Comparisons".
    std::u16string text = u"Russian\r\n\u0410\u043D\u0430\u043B\u0438\u0437\r\n";
    for (int entry = 2; entry <= 15; ++entry) {
        text += u"x\r\n";
    }
    text += u"\u0421\u0440\u0430\u0432\u043D\u0438\u0442\u044C\r\n";
    folder.write("AnalysisStrings_ru.txt", blockStringFile(text, 6000));
    QuietPlatform platform;
    forms::Application app(platform, folder.text());
    analysis::AnalysisProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    app.dispatch([&program] { program.MainWindow.Person1.Caption = "Ren\xE9 M\xFCller"; });
    binding.sync();
    QWidget* main = binding.widgetFor(program.MainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));

    EXPECT_EQ(main->windowTitle(), QString::fromUtf8("\u0410\u043D\u0430\u043B\u0438\u0437"));
    auto* run = main->findChild<qtui::LabelWidget*>("CompButton");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->text(), QString::fromUtf8("\u0421\u0440\u0430\u0432\u043D\u0438\u0442\u044C"));
    auto* person = main->findChild<qtui::LabelWidget*>("Person1");
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->text(), QString::fromUtf8("Ren\u00E9 M\u00FCller"));
    EXPECT_FALSE(run->grab().isNull());
    EXPECT_TRUE(platform.errors.empty());
}
