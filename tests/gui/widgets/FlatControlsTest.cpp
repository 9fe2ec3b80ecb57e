// Flat buttons and edits driven as an operator would: hover, press, drag, release, focus.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "gui/widgets/AdvColors.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "gui/widgets/HoverTracker.h"

using namespace gui::widgets;

namespace {

QWidget* g_underPointer = nullptr;

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                  type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

class FlatControls : public ::testing::Test {
protected:
    void SetUp() override {
        HoverTracker::setPointerLocator([] { return g_underPointer; });
        window.resize(400, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override {
        HoverTracker::setPointerLocator({});
        g_underPointer = nullptr;
    }
    // The pointer moves onto w (or off every control when w is null).
    void hover(QWidget* w) {
        g_underPointer = w;
        if (w) sendMouse(w, QEvent::MouseMove, w->rect().center());
    }
    QWidget window;
};

TEST_F(FlatControls, MovingFromButtonToButtonLeavesOnlyTheLastHot) {
    FlatButton a(&window), b(&window), c(&window);
    b.move(30, 0);
    c.move(60, 0);
    for (auto* w : {&a, &b, &c}) w->show();
    hover(&a);
    hover(&b);
    hover(&c);
    EXPECT_FALSE(a.isHot());
    EXPECT_FALSE(b.isHot());
    EXPECT_TRUE(c.isHot());
    EXPECT_EQ(c.faceColor(), c.colorFocused());

    // The shared timer notices the pointer has gone, even without a leave event.
    hover(nullptr);
    QTest::qWait(HoverTracker::kIntervalMs * 3);
    EXPECT_FALSE(c.isHot());
}

TEST_F(FlatControls, SpeedButtonsHaveTheirOwnHoverWatch) {
    FlatButton push(&window);
    FlatSpeedButton speed(&window);
    speed.move(40, 0);
    push.show();
    speed.show();
    hover(&push);
    hover(&speed);
    // Different classes do not cool each other down.
    EXPECT_TRUE(push.isHot());
    EXPECT_TRUE(speed.isHot());
}

TEST_F(FlatControls, DraggingOutAndReleasingDoesNotClickButDraggingBackInDoes) {
    FlatButton b(&window);
    b.resize(100, 40);
    b.show();
    QSignalSpy clicks(&b, &FlatButtonBase::clicked);
    const QPoint inside(50, 20), outside(150, 80);

    sendMouse(&b, QEvent::MouseButtonPress, inside);
    EXPECT_EQ(b.state(), ButtonState::Down);
    sendMouse(&b, QEvent::MouseMove, outside);
    EXPECT_EQ(b.state(), ButtonState::Up);
    sendMouse(&b, QEvent::MouseButtonRelease, outside);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(b.isDragging());

    sendMouse(&b, QEvent::MouseButtonPress, inside);
    sendMouse(&b, QEvent::MouseMove, outside);
    sendMouse(&b, QEvent::MouseMove, inside);
    EXPECT_EQ(b.state(), ButtonState::Down);
    sendMouse(&b, QEvent::MouseButtonRelease, inside);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(b.state(), ButtonState::Up);
}

TEST_F(FlatControls, PushButtonTakesFocusOnPressSpeedButtonDoesNot) {
    FlatButton push(&window);
    FlatSpeedButton speed(&window);
    speed.move(40, 0);
    push.show();
    speed.show();
    sendMouse(&speed, QEvent::MouseButtonPress, {5, 5});
    EXPECT_FALSE(speed.hasFocus());
    sendMouse(&push, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(push.hasFocus());
    EXPECT_EQ(speed.focusPolicy(), Qt::NoFocus);
}

TEST_F(FlatControls, DisabledButtonLooksFlatAndIgnoresTheMouse) {
    FlatButton b(&window);
    b.resize(121, 41);
    b.setCaption("Salva");
    b.setColor(QColor(240, 251, 255));
    b.setColorBorder(Qt::red);
    b.show();
    b.setEnabled(false);
    QSignalSpy clicks(&b, &FlatButtonBase::clicked);

    hover(&b);
    sendMouse(&b, QEvent::MouseButtonPress, {10, 10});
    sendMouse(&b, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(b.isHot());

    const QImage img = b.grab().toImage();
    EXPECT_EQ(b.state(), ButtonState::Disabled);
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(120, 40), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(3, 3), QColor(240, 251, 255));
    // The engraved caption draws in the highlight colour somewhere: the face is not uniform.
    bool highlight = false;
    for (int y = 1; y < 40 && !highlight; ++y)
        for (int x = 1; x < 120; ++x)
            if (img.pixelColor(x, y) == b.palette().color(QPalette::Light)) highlight = true;
    EXPECT_TRUE(highlight);
}

TEST_F(FlatControls, HotButtonIsRaisedAndPressedButtonSunken) {
    FlatButton b(&window);
    b.resize(50, 30);
    b.show();
    hover(&b);
    QImage img = b.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), b.colorHighLight());
    EXPECT_EQ(img.pixelColor(49, 29), b.colorShadow());
    sendMouse(&b, QEvent::MouseButtonPress, {5, 5});
    img = b.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), b.colorShadow());
    EXPECT_EQ(img.pixelColor(49, 29), b.colorHighLight());
    EXPECT_EQ(img.pixelColor(10, 10), b.colorDown());
}

TEST_F(FlatControls, GroupsKeepOneButtonDown) {
    FlatSpeedButton a(&window), b(&window), loose(&window);
    a.setGroupIndex(1);
    b.setGroupIndex(1);
    loose.setDown(true);
    EXPECT_FALSE(loose.isDown());  // no group, no latched state

    a.setDown(true);
    b.setDown(true);
    EXPECT_FALSE(a.isDown());
    EXPECT_TRUE(b.isDown());
    b.setDown(false);  // AllowAllUp is off
    EXPECT_TRUE(b.isDown());

    a.setAllowAllUp(true);
    EXPECT_TRUE(b.allowAllUp());
    b.setDown(false);
    EXPECT_FALSE(b.isDown());
}

TEST_F(FlatControls, ReleasingInsideAGroupButtonTogglesDown) {
    FlatSpeedButton a(&window);
    a.resize(40, 40);
    a.setGroupIndex(2);
    a.setAllowAllUp(true);
    a.show();
    QSignalSpy dbl(&a, &FlatButtonBase::doubleClicked);
    sendMouse(&a, QEvent::MouseButtonPress, {5, 5});
    sendMouse(&a, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_TRUE(a.isDown());
    EXPECT_EQ(a.state(), ButtonState::Exclusive);
    sendMouse(&a, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(dbl.count(), 1);
    sendMouse(&a, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_FALSE(a.isDown());
}

TEST_F(FlatControls, AcceleratorClicksAnEnabledButton) {
    FlatButton b(&window);
    b.setCaption("&Reset");
    b.show();
    QSignalSpy clicks(&b, &FlatButtonBase::clicked);
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b.setEnabled(false);
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatControls, EditWithParentColorTakesItsGroupColour) {
    QGroupBox group(&window);
    QPalette pal = group.palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    group.setPalette(pal);
    FlatEdit edit(&group);
    EXPECT_EQ(edit.colorFlat(), QColor(236, 233, 216));

    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    group.setPalette(pal);
    EXPECT_EQ(edit.colorFlat(), QColor(0, 128, 0));

    edit.setColorFlat(QColor(255, 255, 225));
    EXPECT_FALSE(edit.parentColor());
    pal.setColor(QPalette::Window, Qt::blue);
    group.setPalette(pal);
    EXPECT_EQ(edit.colorFlat(), QColor(255, 255, 225));
}

TEST_F(FlatControls, HoveringASecondEditWhileAnotherHasFocusDoesNotActivateIt) {
    FlatEdit first(&window), second(&window);
    QPushButton other(&window);
    second.move(0, 40);
    other.move(0, 80);
    for (QWidget* w : std::initializer_list<QWidget*>{&first, &second, &other}) w->show();

    first.setFocus();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), second.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&second, &enter);
    EXPECT_TRUE(first.isActive());
    EXPECT_FALSE(second.isActive());
    EXPECT_EQ(second.currentFlatColor(), second.colorFlat());

    other.setFocus();  // no flat edit has the focus now: hovering activates
    EXPECT_TRUE(second.isActive());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&second, &leave);
    EXPECT_FALSE(second.isActive());
}

TEST_F(FlatControls, EditFrameAndHeightFollowTheFont) {
    FlatEdit edit(&window);
    edit.setColorFlat(QColor(255, 255, 225));
    edit.setColorBorder(Qt::red);
    QFont f("Liberation Sans");
    f.setPixelSize(24);
    f.setBold(true);
    edit.setFont(f);
    EXPECT_EQ(edit.height(), edit.fontMetrics().height() + 6);
    edit.resize(200, edit.height());
    edit.show();
    edit.clearFocus();
    QEvent leave(QEvent::Leave);  // the pointer is not over the edit
    QCoreApplication::sendEvent(&edit, &leave);
    QImage img = edit.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(1, 1), QColor(255, 255, 225));
    EXPECT_EQ(img.pixelColor(2, 5), QColor(255, 255, 225));
    edit.setFocus();  // active: the inner lines take ColorFocused
    img = edit.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));
}

TEST_F(FlatControls, UpperCaseEditTurnsTypingToCapitals) {
    FlatEdit edit(&window);
    edit.setCharCase(CharCase::Upper);
    edit.setMaxLength(16);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, "rssmra85t10a562s-extra");
    EXPECT_EQ(edit.text(), QString("RSSMRA85T10A562S"));
}

TEST(AdvColors, ShiftLightnessAndKeepColourAtZeroPercent) {
    const QColor base(128, 128, 128);
    EXPECT_EQ(advColor(base, 0, AdvShift::Lighter), base);
    EXPECT_GT(advColor(base, 10, AdvShift::Lighter).lightness(), base.lightness());
    EXPECT_LT(advColor(base, 50, AdvShift::Darker).lightness(), base.lightness());
    EXPECT_EQ(advColor(Qt::white, 30, AdvShift::Lighter), QColor(Qt::white));
}

}  // namespace
