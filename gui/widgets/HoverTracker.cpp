#include "gui/widgets/HoverTracker.h"

#include <QApplication>
#include <QCursor>

#include "gui/widgets/FlatButtonBase.h"

namespace gui::widgets {

namespace {
HoverTracker::PointerLocator& locator() {
    static HoverTracker::PointerLocator l;
    return l;
}
}  // namespace

void HoverTracker::setPointerLocator(PointerLocator l) {
    locator() = std::move(l);
}

QWidget* HoverTracker::widgetUnderPointer() {
    if (locator()) return locator()();
    return QApplication::widgetAt(QCursor::pos());
}

HoverTracker::HoverTracker() {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &HoverTracker::tick);
}

HoverTracker* HoverTracker::acquire(HoverTracker*& slot) {
    if (!slot) slot = new HoverTracker;
    ++slot->users_;
    return slot;
}

void HoverTracker::release(HoverTracker*& slot) {
    if (slot && --slot->users_ == 0) {
        delete slot;
        slot = nullptr;
    }
}

void HoverTracker::watch(FlatButtonBase* button) {
    if (watched_ && watched_ != button) watched_->setHot(false);
    watched_ = button;
    button->setHot(true);
    timer_.start();
}

void HoverTracker::forget(FlatButtonBase* button) {
    if (watched_ == button) {
        watched_ = nullptr;
        timer_.stop();
    }
}

void HoverTracker::tick() {
    FlatButtonBase* button = watched_;
    if (!button) {
        timer_.stop();
        return;
    }
    if (widgetUnderPointer() == button) return;
    timer_.stop();
    watched_ = nullptr;
    if (!button->isDragging()) button->setHot(false);
}

}  // namespace gui::widgets
