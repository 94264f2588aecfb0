#include "common/qt/qt_platform.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/files/text_file.h"
#include "common/open_failure.h"
#include "common/qt/plain_text.h"
#include "common/qt/qt_binding.h"
#include "common/qt/text_conversion.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace qtui {

QtPlatform::~QtPlatform() {
    if (busy_ && QGuiApplication::instance() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

// The bytes are read through the suite's file reader, which refuses a pipe, device or folder at
// once; Qt then judges them from memory and never opens the path itself.
void QtPlatform::checkPicture(std::string_view path) {
    QByteArray bytes = QByteArray::fromStdString(common::readWholeFile(path));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead() || !reader.size().isValid()) {
        throw common::Error(common::ErrorCode::InvalidPicture, std::string(path));
    }
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::openDocument(std::string_view path) {
    std::error_code ignored;
    std::filesystem::path full = std::filesystem::absolute(common::toPath(path), ignored);
    if (full.empty()) {
        full = common::toPath(path);
    }
    // Named in UTF-8 part by part, so that folder names held in Windows-1252 and names beyond it
    // share one message.
    const std::string shown = common::heldToUtf8(common::fromPath(full));
    opener_.open(full.native(), [this, shown](const std::string& reason) {
        reportError(common::cannotOpenMessage(common::OpenTarget::Page, shown, reason));
    });
}

// The address is given percent-encoded, as the desktop expects it; which addresses may be
// opened at all the program has decided.
void QtPlatform::openWebAddress(std::string_view address) {
    const QUrl url(toQString(address), QUrl::TolerantMode);
    const std::string encoded =
        url.isValid() ? url.toEncoded().toStdString() : toQString(address).toStdString();
    opener_.open(encoded, [this, shown = std::string(address)](const std::string& reason) {
        reportError(common::cannotOpenMessage(common::OpenTarget::WebAddress, shown, reason));
    });
}

void QtPlatform::redrawNow(const forms::Control& control) {
    if (binding_ != nullptr) {
        binding_->redrawNow(control);
    }
}

void QtPlatform::redrawNow(const forms::Window& window) {
    if (binding_ != nullptr) {
        binding_->redrawNow(window);
    }
}

void QtPlatform::setBusyPointer(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtPlatform::activateWindow(const forms::Window& window) {
    if (binding_ != nullptr) {
        binding_->raiseWindow(window);
    }
}

void QtPlatform::reportError(std::string_view message) {
    showError(binding_ != nullptr ? binding_->dialogParent() : nullptr, toQString(message));
}

void QtPlatform::showNotice(std::string_view message) {
    showInformation(binding_ != nullptr ? binding_->dialogParent() : nullptr, toQString(message));
}

QWidget* QtPlatform::questionParent() const {
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && binding_ != nullptr) {
        parent = binding_->dialogParent();
    }
    return parent;
}

bool QtPlatform::askYesNo(std::string_view question) {
    return askQuestion(questionParent(), toQString(question));
}

int QtPlatform::askChoice(std::string_view question, std::span<const std::string> answers) {
    QStringList shown;
    for (const std::string& answer : answers) {
        shown.push_back(toQString(answer));
    }
    return askChoiceBox(questionParent(), toQString(question), shown);
}

std::optional<std::string> QtPlatform::askText(std::string_view question,
                                               std::string_view suggested) {
    const std::optional<QString> given =
        askTextBox(questionParent(), toQString(question), toQString(suggested));
    if (!given) {
        return std::nullopt;
    }
    return given->toStdString();
}

void QtPlatform::endProgram() {
    if (binding_ != nullptr) {
        binding_->closeAllWindows();
    }
    // Queued, so that it also ends a program whose event loop has not started yet.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

void QtPlatform::showError(QWidget* parent, const QString& message) {
    plainMessageBox(QMessageBox::Warning, message, QMessageBox::Ok, parent)->exec();
}

void QtPlatform::showInformation(QWidget* parent, const QString& message) {
    plainMessageBox(QMessageBox::Information, message, QMessageBox::Ok, parent)->exec();
}

bool QtPlatform::askQuestion(QWidget* parent, const QString& question) {
    const auto box = plainMessageBox(QMessageBox::Question, question,
                                     QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

// The first answer is the box's accepting one, the last its rejecting one, any between an action.
int QtPlatform::askChoiceBox(QWidget* parent, const QString& question, const QStringList& answers) {
    const auto box =
        plainMessageBox(QMessageBox::Question, question, QMessageBox::NoButton, parent);
    std::vector<QPushButton*> buttons;
    const auto last = answers.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const QMessageBox::ButtonRole role = i == last ? QMessageBox::RejectRole
                                             : i == 0  ? QMessageBox::AcceptRole
                                                       : QMessageBox::ActionRole;
        buttons.push_back(box->addButton(answers[i], role));
    }
    if (!buttons.empty()) {
        box->setDefaultButton(buttons.back());
        box->setEscapeButton(buttons.back());
    }
    box->exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box->clickedButton());
    // A box closed without a button leaves everything as it was, as the last answer does.
    return static_cast<int>(chosen != buttons.end() ? chosen - buttons.begin() : last);
}

std::optional<QString> QtPlatform::askTextBox(QWidget* parent, const QString& question,
                                              const QString& suggested) {
    bool given = false;
    QString text = QInputDialog::getText(parent, QGuiApplication::applicationDisplayName(),
                                         question, QLineEdit::Normal, suggested, &given);
    if (!given) {
        return std::nullopt;
    }
    return text;
}

}  // namespace qtui
