// The widgets of the view: the window of a form, the wrapper that reports mouse, key and focus input of any Qt
// widget to the view, and the few controls Qt has no widget for (panel and bevel edges, up-down arrows, a
// tab strip with children, a radio group).
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QMenuBar;
class QTabBar;
class QToolButton;
class QRadioButton;

namespace fv {

// What the widgets tell the view. The view finds the control of a widget itself, so a widget never holds
// a pointer into the model.
class WidgetEvents {
public:
    virtual void MousePressed(QWidget* widget, QMouseEvent* e) = 0;
    virtual void MouseReleased(QWidget* widget, QMouseEvent* e) = 0;
    virtual void MouseDoubleClicked(QWidget* widget, QMouseEvent* e) = 0;
    virtual void FocusEntered(QWidget* widget) = 0;
    // A key went down on a widget before it acts on it; true when the model kept the key from it.
    virtual bool KeyPressed(QWidget* widget, QKeyEvent* e) = 0;
    // A key came up, after the widget acted on it.
    virtual void KeyReleased(QWidget* widget, QKeyEvent* e) = 0;
    // A widget is about to change itself without the user (a list making its first row current as it
    // takes the focus), and is done with it: nothing it signals in between is the user's input.
    virtual void ActsAlone(QWidget* widget, bool begins) = 0;
    virtual void CloseRequested(QWidget* window) = 0;
    virtual void WindowActivated(QWidget* window) = 0;
    virtual void WindowResized(QWidget* window) = 0;
    // Return or Escape that no control took; true when a default or cancel button took it.
    virtual bool DialogKey(QWidget* window, int key) = 0;

protected:
    ~WidgetEvents() = default;
};

// Any Qt widget, reporting its mouse and focus input. Press goes to the view before the widget acts on it
// and release after, so a button's click falls between the model's MouseDown and MouseUp. The events are
// accepted, so a click on a label stays the label's and does not reach the panel under it.
template <class Base>
class ModelWidget : public Base {
public:
    template <class... Args>
    explicit ModelWidget(WidgetEvents* events, Args&&... args) : Base(std::forward<Args>(args)...), events_(events) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QPointer<QWidget> alive(this);
        // Qt's default double-click handling presses again; the view has had that press already.
        if (!inDoubleClick_) events_->MousePressed(this, e);
        if (!alive) return;
        Base::mousePressEvent(e);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPointer<QWidget> alive(this);
        Base::mouseReleaseEvent(e);
        if (!alive) return;
        e->accept();
        events_->MouseReleased(this, e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QPointer<QWidget> alive(this);
        events_->MouseDoubleClicked(this, e);
        if (!alive) return;
        inDoubleClick_ = true;
        Base::mouseDoubleClickEvent(e);
        inDoubleClick_ = false;
        e->accept();
    }
    void keyPressEvent(QKeyEvent* e) override {
        QPointer<QWidget> alive(this);
        if (events_->KeyPressed(this, e)) {
            e->accept();
            return;
        }
        if (alive) Base::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        QPointer<QWidget> alive(this);
        Base::keyReleaseEvent(e);
        // A held key repeats its down only, as the key-down handlers expect.
        if (alive && !e->isAutoRepeat()) events_->KeyReleased(this, e);
    }
    void focusInEvent(QFocusEvent* e) override {
        events_->ActsAlone(this, true);
        Base::focusInEvent(e);
        events_->ActsAlone(this, false);
        events_->FocusEntered(this);
    }
    void focusOutEvent(QFocusEvent* e) override {
        // Losing the focus, a widget may act on its own: an editable combo box picks the item its text
        // names and reports it as chosen. The user chose nothing.
        events_->ActsAlone(this, true);
        Base::focusOutEvent(e);
        events_->ActsAlone(this, false);
    }

private:
    WidgetEvents* events_;
    bool inDoubleClick_ = false;
};

// Reports the double clicks on a widget that lies inside a control's own widget (the text part of an
// editable combo box) as double clicks on the control's widget: the control has them wherever on it the
// user clicks, not only on the edge its inner widget leaves free. The inner widget still acts on them.
class DoubleClickRelay : public QObject {
public:
    DoubleClickRelay(WidgetEvents& events, QWidget* owner, QWidget* inner);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    WidgetEvents& events_;
    QWidget* owner_;
};

// A picture box: a label that can also fit its picture into itself keeping the picture's shape, centred,
// whatever size the box has.
class PictureBox : public QLabel {
public:
    using QLabel::QLabel;
    void SetKeepShape(bool keep);
    bool KeepsShape() const { return keepShape_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool keepShape_ = false;
};

// The top-level window of a form: an optional menu bar over the client area, where the controls lie.
class FormWindow : public QWidget {
public:
    explicit FormWindow(WidgetEvents& events);

    QMenuBar* MenuBar() const { return bar_; }
    QWidget* Client() const { return client_; }
    void SetClient(QWidget* client);
    // Height the menu bar takes for a window of the given width; 0 when it is hidden.
    int MenuBarHeight(int width) const;
    void LayOut();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    WidgetEvents& events_;
    QMenuBar* bar_;
    QWidget* client_ = nullptr;
};

enum class Edge { None, Lowered, Raised };

// A panel: an outer and an inner bevel with a border between them, and a caption in the middle.
class PanelFrame : public QWidget {
public:
    explicit PanelFrame(QWidget* parent = nullptr);
    void SetEdges(Edge outer, Edge inner, int borderWidth);
    void SetCaption(const QString& caption);
    // The rectangle inside the edges, where aligned children go.
    QRect Inside() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Edge outer_ = Edge::Raised, inner_ = Edge::None;
    int borderWidth_ = 0;
    QString caption_;
};

// A bevel: a box, an etched frame or one etched line; it takes no input.
class BevelShape : public QWidget {
public:
    enum class Shape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };
    explicit BevelShape(QWidget* parent = nullptr);
    void SetShape(Shape shape, Edge style);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Shape shape_ = Shape::Box;
    Edge style_ = Edge::Lowered;
};

// Up and down arrows, one above the other, that repeat while held.
class ArrowPair : public QWidget {
public:
    explicit ArrowPair(QWidget* parent = nullptr);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A row of tabs over a framed area; the control's children lie on top of it, placed from its top-left.
class TabStrip : public QWidget {
public:
    explicit TabStrip(QWidget* parent = nullptr);
    QTabBar* Bar() const { return bar_; }

protected:
    // A key the model left goes to the bar (left and right change the tab).
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QTabBar* bar_;
};

// A group box of radio buttons, one per item, laid out in columns top to bottom. Which one is checked
// is the model's business: the buttons are not exclusive among themselves.
class RadioItems : public QGroupBox {
public:
    explicit RadioItems(QWidget* parent = nullptr);
    // Replaces the buttons when the items differ from the ones shown.
    void SetItems(const QStringList& items, int columns);
    void SetChecked(int index);
    const std::vector<QRadioButton*>& Buttons() const { return buttons_; }
    std::function<void(int index)> OnItemClicked;

protected:
    // An arrow key on an item checks the item before or after it, as a click on it would.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void LayOutButtons();
    QStringList items_;
    int columns_ = 1;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace fv
