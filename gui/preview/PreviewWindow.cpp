// The preview window's frame: the toolbar above the page area and its scroll strips, the store
// exchange, the window's show and close, and where the keyboard focus goes.
#include "gui/preview/PreviewWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewFileDialogs.h"
#include "gui/preview/PreviewMemory.h"

namespace gui::preview {

PreviewWindow::PreviewWindow(const PreviewOptions& options, QWidget* parent, const PreviewServices& services)
    : QDialog(parent),
      options_(options),
      documentTitle_(options.title),
      printService_(services.printService),
      ownMemory_(services.memory ? nullptr : std::make_unique<PreviewMemory>()),
      memory_(services.memory ? *services.memory : *ownMemory_),
      fileDialogs_(&platformFileDialogs()) {
    setObjectName(QLatin1String(kPreviewWindowObjectName));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* toolbar = new QFrame(this);
    toolbar->setFrameShape(QFrame::NoFrame);
    buildToolbar(toolbar);
    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setFixedHeight(2);
    outer->addWidget(bevel);
    outer->addWidget(toolbar);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    box_ = new PageBox(this);
    box_->setMinimumSize(1, 1);
    connect(box_, &PageBox::currentPageChanged, this, &PreviewWindow::updatePageText);
    connect(box_, &PageBox::zoomChanged, this, &PreviewWindow::showZoom);
    connect(box_, &PageBox::zoomMenuRequested, this, [this](QPoint global) { menu_->popup(global); });
    // In help mode a press on the page area names the area instead of acting on the pages.
    box_->installEventFilter(this);
    rightStrip_ = new QWidget(this);
    middle->addWidget(box_, 1);
    middle->addWidget(rightStrip_);
    outer->addLayout(middle, 1);

    auto* bottom = new QWidget(this);
    outer->addWidget(bottom);
    buildScrollStrips(rightStrip_, bottom);
    buildMenu();
    setFocusProxy(box_);
}

PreviewWindow::~PreviewWindow() {
    // The pages the window holds go with it; the report keeps only an empty store.
    if (pages_) pages_->clear();
}

void PreviewWindow::attachPages(prepared::PreparedPages* pages) {
    pages_ = pages;
    box_->setPages(pages);
}

prepared::PreparedPages* PreviewWindow::handBack() {
    prepared::PreparedPages* held = pages_;
    attachPages(nullptr);
    return held;
}

int PreviewWindow::showPreview(prepared::PreparedPages& pages) {
    attachPages(&pages);
    initButtons();
    showFromStart();
    const QRect now = geometry();
    showWithBounds(*this, memory_.readBounds({now.x(), now.y(), now.width(), now.height(), true}));
    if (options_.modal) return exec();
    show();
    return 0;
}

void PreviewWindow::done(int result) {
    if (isVisible()) memory_.writeBounds(boundsOf(*this));
    QDialog::done(result);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    // Return presses the focused toolbar button, as Space does.
    auto* focused = qobject_cast<QToolButton*>(focusWidget());
    if (focused && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        focused->click();
        return;
    }
    // The page area's keys reach it here too while a toolbar button has the focus.
    const PreviewAction action = previewKeyAction(event->key(), event->modifiers() & Qt::ControlModifier);
    if (action == PreviewAction::None) {
        QDialog::keyPressEvent(event);
        return;
    }
    runAction(action);
    event->accept();
}

// The page area takes the focus, so that the arrow keys scroll at once; a toolbar button that
// the keyboard reached keeps it, so that after the dialog it opened Tab goes on from there.
void PreviewWindow::focusPageArea() {
    if (!qobject_cast<QToolButton*>(focusWidget())) box_->setFocus();
}

void PreviewWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) focusPageArea();
    QDialog::changeEvent(event);
}

}  // namespace gui::preview
