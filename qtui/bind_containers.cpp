// Frames, picture boxes and images, and the tab control: the controls that hold others.

#include "qtui/bindings.h"

#include "qtui/form_window.h"
#include "qtui/look.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

namespace qtui {

namespace {

using P = controls::Property;

class FrameBinding : public Binding {
public:
    FrameBinding(controls::Frame& c, FormWindow& w) : Binding(c, w), frame_(c), widget_(new QGroupBox) { setWidget(widget_); }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setTitle(frame_.caption());
    }

private:
    controls::Frame& frame_;
    QGroupBox* widget_;
};

// A picture in a label: shown at its own size from the top left corner, or stretched over the control.
class PictureBinding : public Binding {
public:
    PictureBinding(controls::PictureControl& c, FormWindow& w) : Binding(c, w), picture_(c), widget_(new QLabel)
    {
        setWidget(widget_);
        widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                picture_.userClick();
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Picture)) {
            widget_->setScaledContents(picture_.stretch());
            widget_->setPixmap(toPixmap(picture_.picture()));
        }
    }

private:
    controls::PictureControl& picture_;
    QLabel* widget_;
};

// The controls of tab k sit on page k. Their design positions count from the tab control's own top left
// corner (tab headers included), so a page's origin lies that far up and left of the design origin.
class TabControlBinding : public Binding {
public:
    TabControlBinding(controls::TabControl& c, FormWindow& w) : Binding(c, w), tab_(c), widget_(new QTabWidget)
    {
        setWidget(widget_);
        trackFocus(widget_->tabBar());
        widget_->tabBar()->setExpanding(false);
        widget_->setUsesScrollButtons(true);
        on(widget_, &QTabWidget::currentChanged, [this](int index) {
            if (updating() || index < 0)
                return;
            tab_.userSelect(index);
            if (widget_->currentIndex() != tab_.tab())
                update(P::CurrentTab, -1);
        });
    }

    QWidget* area(int tab) override { return tab >= 0 && tab < widget_->count() ? widget_->widget(tab) : widget_; }

    QPoint areaOrigin(int tab) override
    {
        QWidget* page = area(tab);
        return page == widget_ ? QPoint(0, 0) : -page->mapTo(widget_, QPoint(0, 0));
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Tabs)) {
            while (widget_->count() < tab_.tabs())
                addPage();
            while (widget_->count() > tab_.tabs())
                removeLastPage();
            for (int k = 0; k < tab_.tabs(); ++k)
                widget_->setTabText(k, tab_.tabCaption(k));
        }
        if (is(what, P::Tabs) || is(what, P::CurrentTab))
            widget_->setCurrentIndex(tab_.tab());
    }

private:
    void addPage()
    {
        auto* page = new QWidget;
        widget_->addTab(page, QString());
        if (watched_ || !page->parentWidget())
            return;
        // The pages' holder moves and grows with the tab headers and the control: place the contents anew.
        watched_ = page->parentWidget();
        filter(watched_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
                window().placeChildrenOf(&tab_);
            return false;
        });
    }

    void removeLastPage()
    {
        QWidget* page = widget_->widget(widget_->count() - 1);
        // The widgets of its controls live on: they wait, hidden, until their controls are placed again.
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->hide();
            child->setParent(widget_);
        }
        delete page;
    }

    controls::TabControl& tab_;
    QTabWidget* widget_;
    QWidget* watched_ = nullptr;
};

} // namespace

std::unique_ptr<Binding> bindFrame(controls::Frame& c, FormWindow& w)
{
    return std::make_unique<FrameBinding>(c, w);
}

std::unique_ptr<Binding> bindPicture(controls::PictureControl& c, FormWindow& w)
{
    return std::make_unique<PictureBinding>(c, w);
}

std::unique_ptr<Binding> bindTabControl(controls::TabControl& c, FormWindow& w)
{
    return std::make_unique<TabControlBinding>(c, w);
}

} // namespace qtui
