// The view's own widgets.
#include "view/widgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <qdrawutil.h>

#include <algorithm>

namespace fv {

// ---- DoubleClickRelay

DoubleClickRelay::DoubleClickRelay(WidgetEvents& events, QWidget* owner, QWidget* inner)
    : QObject(inner), events_(events), owner_(owner) {
    inner->installEventFilter(this);
}

bool DoubleClickRelay::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) events_.MouseDoubleClicked(owner_, static_cast<QMouseEvent*>(e));
    return false;
}

// ---- PictureBox

void PictureBox::SetKeepShape(bool keep) {
    if (keep == keepShape_) return;
    keepShape_ = keep;
    update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
    const QPixmap picture = pixmap();
    if (!keepShape_ || picture.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    const QRect room = contentsRect();
    QRect target(QPoint(0, 0), picture.size().scaled(room.size(), Qt::KeepAspectRatio));
    target.moveCenter(room.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture);
}

// ---- FormWindow

FormWindow::FormWindow(WidgetEvents& events) : QWidget(nullptr), events_(events), bar_(new QMenuBar(this)) {
    bar_->setNativeMenuBar(false);  // the window's picture must hold its menu
    bar_->hide();
}

void FormWindow::SetClient(QWidget* client) {
    client_ = client;
    LayOut();
}

int FormWindow::MenuBarHeight(int width) const {
    if (bar_->isHidden()) return 0;
    int h = bar_->heightForWidth(width);
    if (h <= 0) h = bar_->sizeHint().height();
    // An empty bar still takes a row, as the model counts one.
    return std::max(h, bar_->fontMetrics().height() + 8);
}

void FormWindow::LayOut() {
    int barHeight = MenuBarHeight(width());
    if (!bar_->isHidden()) bar_->setGeometry(0, 0, width(), barHeight);
    if (client_) client_->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

void FormWindow::closeEvent(QCloseEvent* e) {
    // The model decides: the window goes only when the form hides.
    e->ignore();
    events_.CloseRequested(this);
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayOut();
    if (e->spontaneous()) events_.WindowResized(this);
}

bool FormWindow::event(QEvent* e) {
    bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate) events_.WindowActivated(this);
    return handled;
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && e->modifiers() == Qt::NoModifier &&
        events_.DialogKey(this, key == Qt::Key_Escape ? Qt::Key_Escape : Qt::Key_Return)) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

// ---- PanelFrame

namespace {

int EdgeWidth(Edge e) { return e == Edge::None ? 0 : 1; }

void DrawEdge(QPainter& p, const QRect& r, const QPalette& pal, Edge e) {
    if (e == Edge::None || r.width() <= 0 || r.height() <= 0) return;
    qDrawShadePanel(&p, r, pal, e == Edge::Lowered, 1);
}

}  // namespace

PanelFrame::PanelFrame(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PanelFrame::SetEdges(Edge outer, Edge inner, int borderWidth) {
    outer_ = outer;
    inner_ = inner;
    borderWidth_ = std::max(0, borderWidth);
    update();
}

void PanelFrame::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QRect PanelFrame::Inside() const {
    int m = EdgeWidth(outer_) + borderWidth_ + EdgeWidth(inner_);
    return rect().adjusted(m, m, -m, -m);
}

void PanelFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    DrawEdge(p, r, palette(), outer_);
    int m = EdgeWidth(outer_) + borderWidth_;
    DrawEdge(p, r.adjusted(m, m, -m, -m), palette(), inner_);
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(Inside(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

// ---- BevelShape

BevelShape::BevelShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void BevelShape::SetShape(Shape shape, Edge style) {
    shape_ = shape;
    style_ = style;
    update();
}

void BevelShape::paintEvent(QPaintEvent*) {
    if (style_ == Edge::None) return;
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor first = style_ == Edge::Lowered ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    const QColor second = style_ == Edge::Lowered ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
    const QRect r = rect();
    switch (shape_) {
    case Shape::Box: qDrawShadePanel(&p, r, pal, style_ == Edge::Lowered, 1); break;
    case Shape::Frame: qDrawShadeRect(&p, r, pal, style_ == Edge::Lowered, 1, 0); break;
    case Shape::TopLine:
        p.setPen(first), p.drawLine(0, 0, r.width() - 1, 0);
        p.setPen(second), p.drawLine(0, 1, r.width() - 1, 1);
        break;
    case Shape::BottomLine:
        p.setPen(first), p.drawLine(0, r.height() - 2, r.width() - 1, r.height() - 2);
        p.setPen(second), p.drawLine(0, r.height() - 1, r.width() - 1, r.height() - 1);
        break;
    case Shape::LeftLine:
        p.setPen(first), p.drawLine(0, 0, 0, r.height() - 1);
        p.setPen(second), p.drawLine(1, 0, 1, r.height() - 1);
        break;
    case Shape::RightLine:
        p.setPen(first), p.drawLine(r.width() - 2, 0, r.width() - 2, r.height() - 1);
        p.setPen(second), p.drawLine(r.width() - 1, 0, r.width() - 1, r.height() - 1);
        break;
    }
}

// ---- ArrowPair

ArrowPair::ArrowPair(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
}

void ArrowPair::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

// ---- TabStrip

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    // The strip takes the focus in place of its bar (the binding sets how), so a key reaches the model
    // (and a form that previews the keys) before the bar turns it into a change of tab.
    bar_->setFocusPolicy(Qt::NoFocus);
}

void TabStrip::keyPressEvent(QKeyEvent* e) { QCoreApplication::sendEvent(bar_, e); }

void TabStrip::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    int top = bar_->sizeHint().height() - 1;
    qDrawShadePanel(&p, QRect(0, top, width(), std::max(0, height() - top)), palette(), false, 1);
}

// ---- RadioItems

RadioItems::RadioItems(QWidget* parent) : QGroupBox(parent) {}

void RadioItems::SetItems(const QStringList& items, int columns) {
    columns = std::max(1, columns);
    if (items == items_ && columns == columns_ && int(buttons_.size()) == items.size()) return;
    items_ = items;
    columns_ = columns;
    for (QRadioButton* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setAutoExclusive(false);
        b->installEventFilter(this);
        QObject::connect(b, &QRadioButton::clicked, this, [this, i] {
            if (OnItemClicked) OnItemClicked(i);
        });
        b->show();
        buttons_.push_back(b);
    }
    LayOutButtons();
}

bool RadioItems::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, e);
    const int key = static_cast<QKeyEvent*>(e)->key();
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
    if (step == 0 || at == buttons_.end()) return QGroupBox::eventFilter(watched, e);
    const int next = int(at - buttons_.begin()) + step;
    if (next < 0 || next >= int(buttons_.size())) return true;
    buttons_[std::size_t(next)]->setFocus(Qt::TabFocusReason);
    if (OnItemClicked) OnItemClicked(next);
    return true;
}

void RadioItems::SetChecked(int index) {
    for (int i = 0; i < int(buttons_.size()); ++i) buttons_[std::size_t(i)]->setChecked(i == index);
}

void RadioItems::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    LayOutButtons();
}

void RadioItems::LayOutButtons() {
    if (buttons_.empty()) return;
    // The items share the space under the caption evenly, column by column.
    const int top = fontMetrics().height() + 2;
    const QRect area = rect().adjusted(8, top, -4, -4);
    const int count = int(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int rowHeight = std::max(1, area.height() / std::max(1, rows));
    const int columnWidth = std::max(1, area.width() / columns_);
    for (int i = 0; i < count; ++i) {
        QRadioButton* b = buttons_[std::size_t(i)];
        int h = std::min(b->sizeHint().height(), rowHeight);
        int col = i / rows, row = i % rows;
        b->setGeometry(area.left() + col * columnWidth, area.top() + row * rowHeight + (rowHeight - h) / 2,
                       columnWidth - 2, h);
    }
}

}  // namespace fv
