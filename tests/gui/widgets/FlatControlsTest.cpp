// Flat buttons and edits driven as an operator would: hover, press, drag, release, focus.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "gui/widgets/AdvColors.h"
#include "gui/widgets/Contrast.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"
#include "gui/widgets/FocusRing.h"
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

TEST_F(FlatControls, PushButtonTakesFocusOnPressSpeedButtonOnlyByTab) {
    FlatButton push(&window);
    FlatSpeedButton speed(&window);
    speed.move(40, 0);
    push.show();
    speed.show();
    sendMouse(&speed, QEvent::MouseButtonPress, {5, 5});
    EXPECT_FALSE(speed.hasFocus());
    sendMouse(&push, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(push.hasFocus());
    EXPECT_EQ(speed.focusPolicy(), Qt::TabFocus);
}

TEST_F(FlatControls, DisabledButtonLooksFlatAndIgnoresTheMouse) {
    FlatButton b(&window);
    b.resize(121, 41);
    b.setText("Salva");
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
    loose.setChecked(true);
    EXPECT_FALSE(loose.isChecked());  // no group, no latched state

    a.setChecked(true);
    b.setChecked(true);
    EXPECT_FALSE(a.isChecked());
    EXPECT_TRUE(b.isChecked());
    b.setChecked(false);  // AllowAllUp is off
    EXPECT_TRUE(b.isChecked());

    a.setAllowAllUp(true);
    EXPECT_TRUE(b.allowAllUp());
    b.setChecked(false);
    EXPECT_FALSE(b.isChecked());
    a.setChecked(true);
    b.setChecked(true);  // still one at a time
    EXPECT_FALSE(a.isChecked());
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
    EXPECT_TRUE(a.isChecked());
    EXPECT_EQ(a.state(), ButtonState::Exclusive);
    sendMouse(&a, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(dbl.count(), 1);
    sendMouse(&a, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_FALSE(a.isChecked());
}

TEST_F(FlatControls, AcceleratorClicksAnEnabledButton) {
    FlatButton b(&window);
    b.setText("&Reset");
    b.show();
    QSignalSpy clicks(&b, &FlatButtonBase::clicked);
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    b.setEnabled(false);
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FlatControls, SpaceAndReturnClickTheFocusedButtonAndTabReachesTheSpeedButton) {
    FlatButton push(&window);
    FlatSpeedButton speed(&window);
    push.setText("&Reset");
    speed.setText("-");
    speed.move(40, 0);
    push.show();
    speed.show();
    QSignalSpy pushClicks(&push, &QAbstractButton::clicked), speedClicks(&speed, &QAbstractButton::clicked);
    push.setFocus(Qt::TabFocusReason);
    QWindow* w = window.windowHandle();
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(w, k);
    EXPECT_EQ(pushClicks.count(), 3);
    QTest::keyClick(w, Qt::Key_Tab);
    ASSERT_TRUE(speed.hasFocus());
    QTest::keyClick(w, Qt::Key_Space);
    EXPECT_EQ(speedClicks.count(), 1);
    EXPECT_EQ(pushClicks.count(), 3);
}

TEST_F(FlatControls, ScreenReadersSeeAPushButtonNamedByItsCaption) {
    FlatButton b(&window);
    b.setText("Stam&pa Su Carta ");
    b.show();
    QSignalSpy clicks(&b, &QAbstractButton::clicked);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name).trimmed(), QString("Stampa Su Carta"));
    EXPECT_TRUE(a->state().focusable);
    ASSERT_TRUE(a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }, 1000));  // an animated click
}

// The look of "ESCI": red caption on a yellow face, red when pressed.
TEST_F(FlatControls, FocusMarkShowsInEveryStateAndTheCaptionStaysReadable) {
    FlatButton b(&window);
    b.resize(121, 41);
    b.setText("ESCI");
    b.setColor(QColor(255, 255, 0));
    b.setColorFocused(QColor(255, 255, 0));
    b.setColorDown(QColor(255, 0, 0));
    b.setColorBorder(QColor(255, 0, 0));
    QFont f("Liberation Sans");
    f.setPixelSize(16);
    f.setBold(true);
    b.setFont(f);
    QPalette pal = b.palette();
    pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
    b.setPalette(pal);
    b.show();
    b.setFocus();

    auto check = [&](const char* state) {
        SCOPED_TRACE(state);
        const QImage img = b.grab().toImage();
        EXPECT_GE(contrastRatio(b.captionColor(), b.faceColor()), 4.5);
        bool captionPainted = false;
        for (int y = 0; y < img.height() && !captionPainted; ++y)
            for (int x = 0; x < img.width(); ++x) captionPainted |= img.pixelColor(x, y) == b.captionColor();
        EXPECT_TRUE(captionPainted);
        // Two pixels of mark, three inside the edge, on all four sides.
        const int in = FlatButtonBase::kFocusMarkInset;
        for (QPoint at : {QPoint(60, in), QPoint(60, in + 1), QPoint(in, 20), QPoint(in + 1, 20),
                          QPoint(120 - in, 20), QPoint(60, 40 - in - 1)}) {
            EXPECT_EQ(img.pixelColor(at), markColourOn(b.faceColor())) << at.x() << "," << at.y();
        }
        EXPECT_GE(contrastRatio(markColourOn(b.faceColor()), b.faceColor()), 3.0);
    };
    check("normal");
    hover(&b);
    check("hot");
    b.setDown(true);
    check("pressed");
    EXPECT_EQ(b.faceColor(), QColor(255, 0, 0));
    b.setDown(false);
    b.clearFocus();
    b.setEnabled(false);
    EXPECT_GE(contrastRatio(b.captionColor(), b.faceColor()), 4.5);
}

TEST_F(FlatControls, FocusRingFollowsTheFocusToStandardControlsOnly) {
    FocusRing::followFocus();
    QComboBox combo(&window);
    combo.setEditable(true);
    combo.setGeometry(20, 20, 120, 30);
    FlatButton flat(&window);
    flat.move(20, 80);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    window.setPalette(pal);
    for (QWidget* w : std::initializer_list<QWidget*>{&combo, &flat}) w->show();

    combo.lineEdit()->setFocus(Qt::TabFocusReason);  // the edit inside takes it; the box is framed
    ASSERT_TRUE(FocusRing::current());
    EXPECT_EQ(FocusRing::current()->target(), &combo);
    const QImage img = window.grab().toImage();
    for (QPoint at : {QPoint(70, 17), QPoint(70, 18), QPoint(17, 35), QPoint(142, 35), QPoint(70, 52)})
        EXPECT_EQ(img.pixelColor(at), QColor(Qt::black)) << at.x() << "," << at.y();

    flat.setFocus(Qt::TabFocusReason);  // draws its own mark
    EXPECT_FALSE(FocusRing::current());
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
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(&edit, &enter);  // hovered: active, the inner lines take ColorFocused
    img = edit.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));
    edit.setFocus();  // focused: the inner two lines are the focus mark
    img = edit.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::red));
    for (int inner : {1, 2}) EXPECT_GE(contrastRatio(img.pixelColor(inner, 8), QColor(Qt::white)), 3.0);
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

TEST(Contrast, RatiosAndReadableColours) {
    const QColor black(Qt::black), white(Qt::white), red(255, 0, 0), yellow(255, 255, 0), green(0, 128, 0);
    EXPECT_NEAR(contrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(red, yellow), 3.72, 0.01);
    EXPECT_EQ(readableOn(white, black), black);  // already readable: unchanged

    const QColor darkRed = readableOn(yellow, red);  // darkened just enough, still red
    EXPECT_GE(contrastRatio(darkRed, yellow), 4.5);
    EXPECT_LT(contrastRatio(darkRed, yellow), 4.6);
    EXPECT_EQ(darkRed.green(), 0);
    EXPECT_GT(darkRed.red(), 200);
    EXPECT_GE(contrastRatio(readableOn(red, red), red), 4.5);
    // Even black is too weak on green: the text turns light instead.
    const QColor onGreen = readableOn(green, black);
    EXPECT_GE(contrastRatio(onGreen, green), 4.5);
    EXPECT_GT(onGreen.lightness(), 200);
    EXPECT_EQ(markColourOn(green), white);
    EXPECT_EQ(markColourOn(yellow), black);
}

TEST(AdvColors, ShiftLightnessAndKeepColourAtZeroPercent) {
    const QColor base(128, 128, 128);
    EXPECT_EQ(advColor(base, 0, AdvShift::Lighter), base);
    EXPECT_GT(advColor(base, 10, AdvShift::Lighter).lightness(), base.lightness());
    EXPECT_LT(advColor(base, 50, AdvShift::Darker).lightness(), base.lightness());
    EXPECT_EQ(advColor(Qt::white, 30, AdvShift::Lighter), QColor(Qt::white));
}

}  // namespace
