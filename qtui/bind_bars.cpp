// The status bar with its panels and the list bar with its groups of items.

#include "qtui/bindings.h"

#include "qtui/form_window.h"
#include "qtui/look.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QToolBox>

namespace qtui {

namespace {

using P = controls::Property;

int buttonNumber(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// Panels side by side at their widths in twips (scaled with the window); a spring panel takes what is
// left. Mouse positions go to the control in twips from the bar's top left corner.
class StatusBarBinding : public Binding {
public:
    StatusBarBinding(controls::StatusBar& c, FormWindow& w) : Binding(c, w), bar_(c), widget_(new QFrame)
    {
        setWidget(widget_);
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::Resize)
                arrange();
            if (e->type() == QEvent::MouseButtonPress) {
                const auto* m = static_cast<QMouseEvent*>(e);
                const QPointF p = m->position();
                bar_.userMouseDown(buttonNumber(m->button()), shiftState(m->modifiers()),
                                   toTwips(p.x(), window().scaleX()), toTwips(p.y(), window().scaleY()));
            }
            if (e->type() == QEvent::MouseButtonRelease) {
                const int panel = panelAt(static_cast<QMouseEvent*>(e)->position().toPoint());
                if (panel > 0)
                    bar_.userPanelClick(panel);
            }
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (!is(what, P::Panels))
            return;
        while (static_cast<int>(labels_.size()) < bar_.panelCount()) {
            auto* l = new QLabel(widget_);
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
            l->setTextFormat(Qt::PlainText);
            l->setObjectName(bar_.name() + QStringLiteral(".panel%1").arg(labels_.size() + 1));
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
            l->show();
            labels_.push_back(l);
        }
        while (static_cast<int>(labels_.size()) > bar_.panelCount()) {
            delete labels_.back();
            labels_.pop_back();
        }
        for (int p = 1; p <= bar_.panelCount(); ++p) {
            QLabel* l = labels_[static_cast<std::size_t>(p - 1)];
            l->setText(bar_.panel(p).text);
            l->setAlignment(toQtAlignment(bar_.panel(p).alignment));
        }
        arrange();
    }

private:
    void arrange()
    {
        if (static_cast<int>(labels_.size()) != bar_.panelCount())
            return; // not built yet
        const double sx = window().scaleX();
        int fixed = 0;
        int springs = 0;
        for (int p = 1; p <= bar_.panelCount(); ++p) {
            if (bar_.panel(p).autoSize == controls::PanelAutoSize::Spring)
                ++springs;
            else
                fixed += toPixels(bar_.panel(p).width, sx);
        }
        const int spare = std::max(0, widget_->width() - fixed);
        int x = 0;
        for (int p = 1; p <= bar_.panelCount(); ++p) {
            const controls::Panel& panel = bar_.panel(p);
            int w = panel.autoSize == controls::PanelAutoSize::Spring
                        ? std::max(spare / std::max(springs, 1), toPixels(panel.minWidth, sx))
                        : toPixels(panel.width, sx);
            labels_[static_cast<std::size_t>(p - 1)]->setGeometry(x, 0, w, widget_->height());
            x += w;
        }
    }

    int panelAt(QPoint pos) const
    {
        for (std::size_t i = 0; i < labels_.size(); ++i)
            if (labels_[i]->geometry().contains(pos))
                return static_cast<int>(i) + 1;
        return 0;
    }

    controls::StatusBar& bar_;
    QFrame* widget_;
    std::vector<QLabel*> labels_;
};

// Each group is a page of a tool box: its items one below the other, each a picture over its text.
class ListBarBinding : public Binding {
public:
    ListBarBinding(controls::ListBar& c, FormWindow& w) : Binding(c, w), bar_(c), widget_(new QToolBox)
    {
        setWidget(widget_);
    }

protected:
    void sync(P what, int) override
    {
        if (!is(what, P::Groups) && !is(what, P::Picture))
            return;
        while (widget_->count() < bar_.groupCount())
            addGroupPage();
        while (widget_->count() > bar_.groupCount()) {
            QWidget* page = widget_->widget(widget_->count() - 1);
            widget_->removeItem(widget_->count() - 1);
            delete page;
        }
        for (int g = 1; g <= bar_.groupCount(); ++g) {
            const controls::ListBarGroup& group = bar_.group(g);
            widget_->setItemText(g - 1, group.caption);
            auto* list = static_cast<QListWidget*>(widget_->widget(g - 1));
            list->clear();
            for (const controls::ListBarItem& item : group.items) {
                const controls::Picture* picture = bar_.picture(item.pictureKey);
                auto* entry = new QListWidgetItem(item.text, list);
                if (picture)
                    entry->setIcon(QIcon(toPixmap(*picture)));
                entry->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            }
            arrangeItems(list);
        }
    }

private:
    void addGroupPage()
    {
        const int group = widget_->count() + 1;
        auto* list = new QListWidget;
        list->setObjectName(bar_.name() + QStringLiteral(".group%1").arg(group));
        list->setViewMode(QListView::IconMode);
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(false);
        list->setMovement(QListView::Static);
        list->setResizeMode(QListView::Adjust);
        list->setIconSize(QSize(20, 20));
        list->setWordWrap(true);
        list->setFrameShape(QFrame::NoFrame);
        widget_->addItem(list, QString());
        on(list, &QListWidget::itemClicked, [this, group, list](QListWidgetItem* item) {
            if (!updating())
                bar_.userClickItem(group, list->row(item) + 1);
        });
        // One item a row, as wide as the bar; the rows share the bar's height while they fit.
        filter(list->viewport(), [list](QObject*, QEvent* e) {
            if (e->type() == QEvent::Resize)
                arrangeItems(list);
            return false;
        });
    }

    static void arrangeItems(QListWidget* list)
    {
        const QSize room = list->viewport()->size();
        const int rows = std::max(list->count(), 1);
        const QSize cell(std::max(room.width(), 40), std::max(30, room.height() / rows));
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSizeHint(cell);
        list->doItemsLayout();
    }

    controls::ListBar& bar_;
    QToolBox* widget_;
};

} // namespace

std::unique_ptr<Binding> bindStatusBar(controls::StatusBar& c, FormWindow& w)
{
    return std::make_unique<StatusBarBinding>(c, w);
}

std::unique_ptr<Binding> bindListBar(controls::ListBar& c, FormWindow& w)
{
    return std::make_unique<ListBarBinding>(c, w);
}

} // namespace qtui
