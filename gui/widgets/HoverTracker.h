// The hover watch shared by all flat buttons of one class: one button at a time is hot, and a
// single 100 ms timer checks whether the pointer has left it (a button may be left without a
// leave event, e.g. when a window pops up over it).
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

namespace gui::widgets {

class FlatButtonBase;

class HoverTracker : public QObject {
    Q_OBJECT
public:
    // The control under the mouse pointer; replaceable so tests need no real pointer.
    using PointerLocator = std::function<QWidget*()>;
    static void setPointerLocator(PointerLocator locator);
    static QWidget* widgetUnderPointer();

    static constexpr int kIntervalMs = 100;

    // The tracker of one button class exists while at least one button of the class does.
    static HoverTracker* acquire(HoverTracker*& slot);
    static void release(HoverTracker*& slot);

    // `button` becomes the hot one; the previous hot button of the class cools down.
    void watch(FlatButtonBase* button);
    void forget(FlatButtonBase* button);
    FlatButtonBase* watched() const { return watched_; }
    bool isActive() const { return timer_.isActive(); }

private:
    HoverTracker();
    void tick();

    QTimer timer_;
    QPointer<FlatButtonBase> watched_;
    int users_ = 0;
};

}  // namespace gui::widgets
