#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <string>
#include <vector>

#include "common/forms/list_boxes.h"
#include "common/qt/colours.h"
#include "common/qt/control_views.h"
#include "common/qt/key_codes.h"
#include "common/qt/list_widget.h"
#include "common/qt/text_conversion.h"

namespace qtui {

namespace {

constexpr int kPathRole = Qt::UserRole;

void syncLook(QWidget& widget, const forms::Control& model, const TwipsScale& scale) {
    syncCommon(widget, model, scale, QApplication::font(&widget));
    applyColours(widget, model.ForeColor, &model.BackColor, QPalette::Base);
}

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Refills a list when its entries have changed, keeping the user's scroll position.
template <typename Fill>
void refill(QListWidget& list, Fill fill) {
    const int scrolled = list.verticalScrollBar()->value();
    list.clear();
    fill();
    list.verticalScrollBar()->setValue(scrolled);
}

class DriveListView : public ControlView {
  public:
    DriveListView(forms::DriveListBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        QObject::connect(&widget_, &QComboBox::activated, &widget_, [this](int index) {
            context_.forward(
                [this, drive = fromQString(widget_.itemText(index))] { model_.setDrive(drive); });
        });
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncLook(widget_, model_, context_.scale);
        const std::vector<std::string> drives = model_.drives();
        if (drives != shown_) {
            shown_ = drives;
            widget_.clear();
            for (const auto& drive : drives) {
                widget_.addItem(toQString(drive));
            }
        }
        const int current = widget_.findText(toQString(model_.Drive()));
        if (widget_.currentIndex() != current) {
            widget_.setCurrentIndex(current);
        }
    }

  private:
    forms::DriveListBox& model_;
    const ViewContext& context_;
    QComboBox widget_;
    std::vector<std::string> shown_;
};

bool sameEntries(const std::vector<forms::DirListBox::Entry>& a,
                 const std::vector<forms::DirListBox::Entry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.path == y.path && x.depth == y.depth && x.current == y.current;
    });
}

class DirListView : public ControlView {
  public:
    DirListView(forms::DirListBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        widget_.setItemDelegate(&indent_);
        QObject::connect(&widget_, &QListWidget::itemDoubleClicked, &widget_,
                         [this](QListWidgetItem* item) { open(item); });
        widget_.onKey = [this](const QKeyEvent& event) {
            if (isEnter(event)) {
                open(widget_.currentItem());
            }
        };
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncLook(widget_, model_, context_.scale);
        std::vector<forms::DirListBox::Entry> entries = model_.entries();
        if (sameEntries(entries, shown_)) {
            return;
        }
        shown_ = std::move(entries);
        refill(widget_, [this] {
            const QStyle* style = widget_.style();
            int currentRow = -1;
            for (const auto& entry : shown_) {
                // The chain down to the open folder shows open folders, its sub-folders closed
                // ones.
                const bool open = currentRow < 0;
                auto item = std::make_unique<QListWidgetItem>(
                    style->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon),
                    toQString(entry.name));
                item->setData(kPathRole, QByteArray::fromStdString(entry.path));
                item->setData(IndentDelegate::kDepthRole, entry.depth);
                if (entry.current) {
                    currentRow = widget_.count();
                }
                widget_.addItem(item.release());
            }
            widget_.setCurrentRow(currentRow);
        });
    }

  private:
    void open(const QListWidgetItem* item) {
        if (item == nullptr) {
            return;
        }
        context_.forward([this, path = item->data(kPathRole).toByteArray().toStdString()] {
            model_.setPath(path);
        });
    }

    forms::DirListBox& model_;
    const ViewContext& context_;
    // Declared before the list, which uses it until the list is gone.
    IndentDelegate indent_;
    KeyListWidget widget_;
    std::vector<forms::DirListBox::Entry> shown_;
};

class FileListView : public ControlView {
  public:
    FileListView(forms::FileListBox& model, QWidget& parent, const ViewContext& context)
        : model_(model), context_(context), widget_(&parent) {
        widget_.setObjectName(QString::fromStdString(model.key()));
        widget_.setSelectionMode(QAbstractItemView::SingleSelection);
        // A selection is the user's choice; a current row that the list takes with the focus alone
        // is none, and must not count as a click.
        QObject::connect(&widget_, &QListWidget::itemSelectionChanged, &widget_, [this] {
            const QList<QListWidgetItem*> chosen = widget_.selectedItems();
            const int row = chosen.isEmpty() ? -1 : widget_.row(chosen.front());
            context_.forward([this, row] { model_.setListIndex(row); });
        });
        // A click on the selected entry changes no selection, yet it is a click.
        widget_.onSelectedEntryClicked = [this](int row) {
            context_.forward([this, row] { model_.clickEntry(row); });
        };
        QObject::connect(&widget_, &QListWidget::itemDoubleClicked, &widget_,
                         [this] { context_.forward([this] { model_.dblClick(); }); });
        // The program hears the key first; arrow keys then move the selection as usual.
        widget_.onKey = [this](const QKeyEvent& event) {
            const int code = windowsKeyCode(event.key());
            if (code != 0) {
                context_.forward([this, code] { model_.keyDown(code); });
            }
        };
    }

    QWidget& widget() override { return widget_; }

    void sync() override {
        syncLook(widget_, model_, context_.scale);
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(model_.ListCount()));
        for (int i = 0; i < model_.ListCount(); ++i) {
            names.push_back(model_.List(i));
        }
        if (names != shown_) {
            shown_ = std::move(names);
            refill(widget_, [this] {
                for (const auto& name : shown_) {
                    widget_.addItem(toQString(name));
                }
            });
        }
        const QList<QListWidgetItem*> chosen = widget_.selectedItems();
        const int selectedRow = chosen.isEmpty() ? -1 : widget_.row(chosen.front());
        if (selectedRow != model_.ListIndex() || widget_.currentRow() != model_.ListIndex()) {
            if (model_.ListIndex() < 0) {
                widget_.clearSelection();
            }
            widget_.setCurrentRow(model_.ListIndex());
        }
    }

  private:
    forms::FileListBox& model_;
    const ViewContext& context_;
    KeyListWidget widget_;
    std::vector<std::string> shown_;
};

}  // namespace

std::unique_ptr<ControlView> makeDriveListView(forms::DriveListBox& box, QWidget& parent,
                                               const ViewContext& context) {
    return std::make_unique<DriveListView>(box, parent, context);
}

std::unique_ptr<ControlView> makeDirListView(forms::DirListBox& box, QWidget& parent,
                                             const ViewContext& context) {
    return std::make_unique<DirListView>(box, parent, context);
}

std::unique_ptr<ControlView> makeFileListView(forms::FileListBox& box, QWidget& parent,
                                              const ViewContext& context) {
    return std::make_unique<FileListView>(box, parent, context);
}

}  // namespace qtui
