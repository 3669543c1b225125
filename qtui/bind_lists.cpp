// List boxes, the list view with check boxes, and the drive, folder and file lists.

#include "qtui/bindings.h"

#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>

namespace qtui {

namespace {

using P = controls::Property;

void showEntries(QListWidget* w, const QStringList& entries, int selected)
{
    w->clear();
    w->addItems(entries);
    w->setCurrentRow(selected);
    if (selected < 0)
        w->clearSelection();
}

class ListBoxBinding : public Binding {
public:
    ListBoxBinding(controls::ListBox& c, FormWindow& w) : Binding(c, w), list_(c), widget_(new QListWidget)
    {
        setWidget(widget_);
        trackFocus(widget_);
        widget_->setUniformItemSizes(true);
        on(widget_, &QListWidget::currentRowChanged, [this](int row) {
            if (updating())
                return;
            list_.userSelect(row);
            if (list_.listIndex() != row)
                update(P::ListIndex, -1);
        });
        on(widget_, &QListWidget::itemDoubleClicked, [this] {
            if (!updating())
                list_.userDoubleClick();
        });
    }

protected:
    void sync(P what, int index) override
    {
        if (is(what, P::Items)) {
            // One changed entry is common (adding to the end); anything else rebuilds the list.
            if (what == P::Items && index >= 0 && index == widget_->count() && index == list_.listCount() - 1)
                widget_->addItem(list_.list(index));
            else if (what == P::Items && index >= 0 && index < widget_->count() && widget_->count() == list_.listCount())
                widget_->item(index)->setText(list_.list(index));
            else
                showEntries(widget_, list_.entries(), list_.listIndex());
        }
        if (is(what, P::ListIndex) && widget_->currentRow() != list_.listIndex()) {
            widget_->setCurrentRow(list_.listIndex());
            if (list_.listIndex() < 0)
                widget_->clearSelection();
        }
    }

private:
    controls::ListBox& list_;
    QListWidget* widget_;
};

class ListViewBinding : public Binding {
public:
    ListViewBinding(controls::ListView& c, FormWindow& w) : Binding(c, w), view_(c), widget_(new QListWidget)
    {
        setWidget(widget_);
        trackFocus(widget_);
        widget_->setUniformItemSizes(true);
        on(widget_, &QListWidget::itemChanged, [this](QListWidgetItem* item) {
            if (updating())
                return;
            const int position = widget_->row(item) + 1;
            view_.userSetChecked(position, item->checkState() == Qt::Checked);
            update(P::ItemChecked, position);
        });
    }

protected:
    void sync(P what, int index) override
    {
        if (is(what, P::Items)) {
            widget_->clear();
            for (int p = 1; p <= view_.count(); ++p) {
                auto* item = new QListWidgetItem(view_.text(p), widget_);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                item->setCheckState(view_.checked(p) ? Qt::Checked : Qt::Unchecked);
            }
        }
        if (what == P::ItemChecked && view_.valid(index) && index <= widget_->count())
            widget_->item(index - 1)->setCheckState(view_.checked(index) ? Qt::Checked : Qt::Unchecked);
    }

private:
    controls::ListView& view_;
    QListWidget* widget_;
};

// The drives, in a drop-down list.
class DriveListBinding : public Binding {
public:
    DriveListBinding(controls::DriveListBox& c, FormWindow& w) : Binding(c, w), drives_(c), widget_(new QComboBox)
    {
        setWidget(widget_);
        trackFocus(widget_);
        on(widget_, qOverload<int>(&QComboBox::activated), [this](int index) {
            if (updating())
                return;
            drives_.userChoose(index);
            update(P::Drive, -1);
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Items)) {
            widget_->clear();
            for (int i = 0; i < drives_.listCount(); ++i)
                widget_->addItem(drives_.list(i));
        }
        if (is(what, P::Items) || is(what, P::Drive) || is(what, P::ListIndex))
            widget_->setCurrentIndex(drives_.listIndex());
    }

private:
    controls::DriveListBox& drives_;
    QComboBox* widget_;
};

// Each entry of the folder list a step further in than the one above it.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int roleLevel = Qt::UserRole;
    static constexpr int step = 12;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + step * index.data(roleLevel).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(step * index.data(roleLevel).toInt(), 0);
    }
};

// The drive's root and every folder down to the folder list's folder, then that folder's subfolders; a
// double click on any of them goes there.
class DirListBinding : public Binding {
public:
    DirListBinding(controls::DirListBox& c, FormWindow& w) : Binding(c, w), dirs_(c), widget_(new QListWidget)
    {
        setWidget(widget_);
        trackFocus(widget_);
        widget_->setItemDelegate(new IndentDelegate(widget_));
        on(widget_, &QListWidget::currentRowChanged, [this](int row) {
            if (!updating() && row >= 0)
                dirs_.setListIndex(indexOfRow(row));
        });
        // Opening reads the list anew, so it waits until the view is done with the double click.
        on(widget_, &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
            if (updating())
                return;
            const int index = indexOfRow(widget_->row(item));
            QMetaObject::invokeMethod(widget_, [this, index] { dirs_.userOpen(index); }, Qt::QueuedConnection);
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Path) || is(what, P::Items)) {
            widget_->clear();
            const int levels = dirs_.levels();
            const QIcon open = widget_->style()->standardIcon(QStyle::SP_DirOpenIcon);
            const QIcon closed = widget_->style()->standardIcon(QStyle::SP_DirClosedIcon);
            for (int level = 0; level < levels; ++level) {
                const QString path = dirs_.list(level - levels);
                add(open, level == 0 ? path : nameOf(path), level);
            }
            for (int i = 0; i < dirs_.listCount(); ++i)
                add(closed, nameOf(dirs_.list(i)), levels);
        }
        if (is(what, P::Path) || is(what, P::Items) || is(what, P::ListIndex)) {
            const int row = dirs_.listIndex() + dirs_.levels();
            if (widget_->currentRow() != row)
                widget_->setCurrentRow(row);
        }
    }

private:
    // Rows from the root down: the folders above and the folder itself are -levels .. -1, the subfolders 0 ..
    int indexOfRow(int row) const { return row - dirs_.levels(); }
    static QString nameOf(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1); }
    void add(const QIcon& icon, const QString& text, int level)
    {
        auto* item = new QListWidgetItem(icon, text, widget_);
        item->setData(IndentDelegate::roleLevel, level);
    }

    controls::DirListBox& dirs_;
    QListWidget* widget_;
};

class FileListBinding : public Binding {
public:
    FileListBinding(controls::FileListBox& c, FormWindow& w) : Binding(c, w), files_(c), widget_(new QListWidget)
    {
        setWidget(widget_);
        trackFocus(widget_);
        on(widget_, &QListWidget::currentRowChanged, [this](int row) {
            if (!updating())
                files_.userSelect(row);
        });
        on(widget_, &QListWidget::itemDoubleClicked, [this] {
            if (!updating())
                files_.userDoubleClick();
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Items) || is(what, P::Path) || is(what, P::Pattern)) {
            QStringList entries;
            for (int i = 0; i < files_.listCount(); ++i)
                entries << files_.list(i);
            showEntries(widget_, entries, files_.listIndex());
        }
        if (is(what, P::ListIndex) && widget_->currentRow() != files_.listIndex())
            widget_->setCurrentRow(files_.listIndex());
    }

private:
    controls::FileListBox& files_;
    QListWidget* widget_;
};

} // namespace

std::unique_ptr<Binding> bindListBox(controls::ListBox& c, FormWindow& w)
{
    return std::make_unique<ListBoxBinding>(c, w);
}

std::unique_ptr<Binding> bindListView(controls::ListView& c, FormWindow& w)
{
    return std::make_unique<ListViewBinding>(c, w);
}

std::unique_ptr<Binding> bindDriveList(controls::DriveListBox& c, FormWindow& w)
{
    return std::make_unique<DriveListBinding>(c, w);
}

std::unique_ptr<Binding> bindDirList(controls::DirListBox& c, FormWindow& w)
{
    return std::make_unique<DirListBinding>(c, w);
}

std::unique_ptr<Binding> bindFileList(controls::FileListBox& c, FormWindow& w)
{
    return std::make_unique<FileListBinding>(c, w);
}

} // namespace qtui
