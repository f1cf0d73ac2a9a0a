// QtView: forms as windows, controls as widgets, and the user's input back into the model.
#include "view/qt_view.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>

#include <algorithm>
#include <functional>

#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/memo.h"
#include "platform/ui/page_control.h"
#include "platform/ui/tab_sheet.h"
#include "view/control_binding.h"
#include "view/menu_bar.h"
#include "view/qt_convert.h"
#include "view/resources.h"

namespace fv {

// A form: its window, with the menu bar, and the client area where its controls go.
class QtView::FormBinding : public ControlBinding {
public:
    explicit FormBinding(Form& form) : ControlBinding(form) {}
    Form& GetForm() const { return static_cast<Form&>(GetControl()); }
    FormWindow* Window() const { return static_cast<FormWindow*>(Widget()); }
    void ShowColours(QPalette& palette, QWidget* target) const override { ShowSurfaceColour(palette, target); }
    bool ClickOnRelease() const override { return true; }
    QRect AlignArea() const override { return QRect(0, 0, GetForm().ClientWidth(), GetForm().ClientHeight()); }

    std::unique_ptr<MenuBarBinding> menu;
    bool positioned = false;
    bool activationRequested = false;  // the next activation of the window is the view's own doing

protected:
    QWidget* Create(BindingHost& host, QWidget*) override {
        auto* window = new FormWindow(*host.Events());
        auto* client = new ModelWidget<QWidget>(host.Events(), window);
        client->setAutoFillBackground(true);
        window->SetClient(client);
        SetContainer(client);
        return window;
    }
};

// Switches the view's reactions off while it changes widgets itself.
class QtView::Quiet {
public:
    explicit Quiet(QtView& v) : view_(v) { ++view_.quiet_; }
    ~Quiet() { --view_.quiet_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    QtView& view_;
};

namespace {

// The model's code of a Qt key; KeyNone for keys it has no code for.
int ToKeyCode(int q) {
    if ((q >= Qt::Key_A && q <= Qt::Key_Z) || (q >= Qt::Key_0 && q <= Qt::Key_9)) return q;
    if (q >= Qt::Key_F1 && q <= Qt::Key_F12) return KeyF1 + (q - Qt::Key_F1);
    switch (q) {
    case Qt::Key_Backspace: return KeyBack;
    case Qt::Key_Tab: return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Shift: return KeyShift;
    case Qt::Key_Control: return KeyControl;
    case Qt::Key_Alt: return KeyAlt;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Insert: return KeyInsert;
    case Qt::Key_Delete: return KeyDelete;
    default: return KeyNone;
    }
}

bool ToMouseButton(Qt::MouseButton q, MouseButton& out) {
    switch (q) {
    case Qt::LeftButton: out = MouseButton::Left; return true;
    case Qt::RightButton: out = MouseButton::Right; return true;
    case Qt::MiddleButton: out = MouseButton::Middle; return true;
    default: return false;
    }
}

Qt::WindowFlags FlagsFor(FormBorder border) {
    switch (border) {
    case FormBorder::None: return Qt::Window | Qt::FramelessWindowHint;
    case FormBorder::Dialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case FormBorder::Single:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case FormBorder::ToolWindow: return Qt::Tool;
    case FormBorder::Sizeable: break;
    }
    return Qt::Window;
}

bool FixedSize(FormBorder border) { return border != FormBorder::Sizeable; }

}  // namespace

// ---- lifetime

QtView::QtView(Application& app) : app_(app), self_(std::make_shared<QtView*>(this)) {
    app_.SetObserver(this);
    std::vector<Form*> existing = app_.Forms();
    for (Form* f : existing) FormCreated(*f);
}

QtView::~QtView() {
    ++quiet_;
    *self_ = nullptr;
    if (app_.Observer() == this) app_.SetObserver(nullptr);
    std::vector<QWidget*> windows;
    for (auto& [control, b] : bindings_) {
        auto* fb = dynamic_cast<FormBinding*>(b.get());
        if (!fb) continue;
        if (fb->GetForm().GetObserver() == this) fb->GetForm().SetObserver(nullptr);
        if (fb->Widget()) windows.push_back(fb->Widget());
    }
    owners_.clear();
    for (QWidget* w : windows) delete w;
    bindings_.clear();
    for (QPointer<QWidget>& w : retired_) delete w.data();
}

// ---- lookups

ControlBinding* QtView::Find(const Control* control) const {
    if (!control) return nullptr;
    auto it = bindings_.find(control);
    return it == bindings_.end() ? nullptr : it->second.get();
}

QtView::FormBinding* QtView::FindForm(const Control* control) const {
    return dynamic_cast<FormBinding*>(Find(control));
}

bool QtView::IsForm(const ControlBinding& b) { return dynamic_cast<const FormBinding*>(&b) != nullptr; }

Control* QtView::ControlOf(const QWidget* widget) const {
    auto it = owners_.find(widget);
    return it == owners_.end() ? nullptr : it->second;
}

QWidget* QtView::WindowOf(const Form& form) const {
    ControlBinding* b = Find(&form);
    return b ? b->Widget() : nullptr;
}

QWidget* QtView::WidgetOf(const Control& control) const {
    ControlBinding* b = Find(&control);
    return b ? b->Widget() : nullptr;
}

QWidget* QtView::ClientOf(const Form& form) const {
    ControlBinding* b = Find(&form);
    return b ? b->Container() : nullptr;
}

QAction* QtView::ActionOf(const MenuItem& item) const {
    for (const auto& [control, b] : bindings_)
        if (auto* fb = dynamic_cast<FormBinding*>(b.get()); fb && fb->menu)
            if (QAction* a = fb->menu->ActionOf(item)) return a;
    return nullptr;
}

bool QtView::IsPage(const Control& control) const {
    auto* sheet = dynamic_cast<const TabSheet*>(&control);
    return sheet && sheet->PageControlOf() && Find(sheet->PageControlOf());
}

QImage QtView::ResourceImage(const std::string& name) {
    auto it = resourceImages_.find(name);
    if (it == resourceImages_.end()) {
        auto image = std::make_shared<QImage>(ToQString(ResourcePath(name)));
        it = resourceImages_.emplace(name, std::move(image)).first;
    }
    return *it->second;
}

void QtView::UserAction(QWidget* widget, const std::function<void(Control&)>& action) {
    UserInput<Control>(widget, action);
}

// ---- building

QtView::FormBinding* QtView::EnsureForm(Form& form) {
    if (FormBinding* b = FindForm(&form)) return b;
    Quiet quiet(*this);
    auto owned = std::make_unique<FormBinding>(form);
    FormBinding& b = *owned;
    b.Make(*this, nullptr);
    FormWindow* window = b.Window();
    b.menu = std::make_unique<MenuBarBinding>(*window->MenuBar(), app_);
    owners_[window] = &form;
    owners_[b.Container()] = &form;
    bindings_[&form] = std::move(owned);
    form.SetObserver(this);

    window->setWindowFlags(FlagsFor(form.Border()));
    window->setWindowTitle(ToQString(form.Caption()));
    b.menu->SetMenu(form.Menu());
    SyncCommon(b);
    SyncFormGeometry(b);
    for (Control* c : form.Controls()) Build(*c);
    Restack(b);
    ApplyAlign(b);
    return &b;
}

void QtView::Build(Control& control) {
    ControlBinding* parent = Find(control.Parent());
    if (!parent || !parent->Container() || Find(&control) || dynamic_cast<Form*>(&control)) return;
    Quiet quiet(*this);
    std::unique_ptr<ControlBinding> owned = MakeBinding(control);
    ControlBinding& b = *owned;
    // A page of a page control lives in the tab widget's stack; everything else in the parent's area.
    const bool page = IsPage(control);
    b.Make(*this, page ? nullptr : parent->Container());
    QWidget* widget = b.Widget();
    owners_[widget] = &control;
    if (b.Container() != widget) owners_[b.Container()] = &control;
    bindings_[&control] = std::move(owned);

    if (page) {
        auto* tabs = static_cast<QTabWidget*>(parent->Widget());
        int index = 0;
        for (TabSheet* sheet : static_cast<PageControl&>(parent->GetControl()).Pages()) {
            if (sheet == &control) break;
            if (Find(sheet)) ++index;
        }
        tabs->insertTab(index, widget, ToQString(control.Caption()));
    }
    SyncAll(b);
    fresh_.push_back(&control);
    for (Control* child : control.Controls()) Build(*child);
    Restack(b);
    ApplyAlign(b);
}

void QtView::PostRefresh() {
    if (refreshPosted_) return;
    refreshPosted_ = true;
    std::weak_ptr<QtView*> self = self_;
    app_.GetLoop().Post([self] {
        if (auto view = self.lock(); view && *view) {
            (*view)->refreshPosted_ = false;
            (*view)->Refresh();
        }
    });
}

void QtView::Refresh() {
    if (fresh_.empty()) return;
    Quiet quiet(*this);
    std::vector<Control*> controls = std::move(fresh_);
    fresh_.clear();
    for (Control* c : controls)
        if (ControlBinding* b = Find(c)) SyncAll(*b);
}

// ---- removing

void QtView::Forget(const Control* control) {
    auto it = bindings_.find(control);
    if (it == bindings_.end()) return;
    owners_.erase(it->second->Widget());
    owners_.erase(it->second->Container());
    bindings_.erase(it);
}

void QtView::Discard(QWidget* widget) {
    if (inputDepth_ > 0) {
        // The widget may be the one whose signal is running: it goes once control is back in the loop.
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
        retired_.emplace_back(widget);
    } else {
        delete widget;
    }
}

void QtView::ForgetTree(const Control& control) {
    ControlBinding* b = Find(&control);
    if (!b) return;
    Quiet quiet(*this);
    QPointer<QWidget> widget = b->Widget();
    // Children the model has just let go of are still shown inside the widget: they go with it.
    std::vector<const Control*> gone;
    for (const auto& [c, other] : bindings_)
        if (other->Widget() && widget && (other->Widget() == widget || widget->isAncestorOf(other->Widget())))
            gone.push_back(c);
    gone.push_back(&control);
    for (const Control* c : gone) Forget(c);
    if (!widget) return;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr))
        if (int i = tabs->indexOf(widget); i >= 0) tabs->removeTab(i);
    Discard(widget);
}

// ---- syncing

void QtView::SyncAll(ControlBinding& b) {
    if (IsForm(b)) return;
    SyncCommon(b);
    b.ShowContent(*this, true);
    b.ShowText(*this);
    SyncGeometry(b);
    SyncVisible(b);
}

void QtView::SyncState(ControlBinding& b) {
    if (IsForm(b)) return;
    b.ShowContent(*this, false);
    b.ShowText(*this);
}

void QtView::SyncVisible(ControlBinding& b) {
    // A page control shows its pages itself; the model hides the pages that are not active.
    if (IsForm(b) || IsPage(b.GetControl())) return;
    b.Widget()->setVisible(b.GetControl().Visible());
}

void QtView::SyncGeometry(ControlBinding& b) {
    Control& c = b.GetControl();
    if (auto* fb = dynamic_cast<FormBinding*>(&b)) {
        SyncFormGeometry(*fb);
        return;
    }
    if (!IsPage(c)) {
        ControlBinding* parent = Find(c.Parent());
        if (c.GetAlign() != Align::None && parent) ApplyAlign(*parent);
        else b.Widget()->setGeometry(b.Placed(QRect(c.Left(), c.Top(), c.Width(), c.Height())));
    }
    ApplyAlign(b);
}

void QtView::ApplyAlign(ControlBinding& parent) {
    const auto& children = parent.GetControl().Controls();
    if (std::none_of(children.begin(), children.end(), [](Control* c) { return c->GetAlign() != Align::None; }))
        return;
    // The model keeps no aligned geometry: the view lays aligned children out, top ones first, then
    // bottom, left, right, and the client one in what is left.
    QRect area = parent.AlignArea();
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : children) {
            if (c->GetAlign() != pass || !c->Visible()) continue;
            ControlBinding* b = Find(c);
            if (!b || !b->Widget()) continue;
            QRect r;
            switch (pass) {
            case Align::Top: r = QRect(area.left(), area.top(), area.width(), c->Height()); area.setTop(r.bottom() + 1); break;
            case Align::Bottom:
                r = QRect(area.left(), area.bottom() + 1 - c->Height(), area.width(), c->Height());
                area.setBottom(r.top() - 1);
                break;
            case Align::Left: r = QRect(area.left(), area.top(), c->Width(), area.height()); area.setLeft(r.right() + 1); break;
            case Align::Right:
                r = QRect(area.right() + 1 - c->Width(), area.top(), c->Width(), area.height());
                area.setRight(r.left() - 1);
                break;
            default: r = area; break;
            }
            b->Widget()->setGeometry(r);
            ApplyAlign(*b);
        }
    }
}

void QtView::Restack(ControlBinding& parent) {
    if (!parent.StacksChildren()) return;
    // Controls drawn on their parent's surface lie under every windowed sibling, whatever their order.
    std::vector<QWidget*> order;
    for (bool graphic : {true, false})
        for (Control* c : parent.GetControl().Controls())
            if (ControlBinding* b = Find(c); b && b->Graphic() == graphic && b->Widget() &&
                                             b->Widget()->parentWidget() == parent.Container())
                order.push_back(b->Widget());
    for (QWidget* w : order) w->raise();
}

void QtView::ApplyTabOrder(ControlBinding& formBinding) {
    std::vector<QWidget*> chain;
    std::function<void(const Control&)> walk = [&](const Control& parent) {
        std::vector<Control*> children(parent.Controls().begin(), parent.Controls().end());
        std::stable_sort(children.begin(), children.end(),
                         [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
        for (Control* c : children) {
            ControlBinding* b = Find(c);
            if (!b || !b->Widget()) continue;
            if (b->Widget()->focusPolicy() & Qt::TabFocus) chain.push_back(b->Widget());
            walk(*c);
        }
    };
    walk(formBinding.GetControl());
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void QtView::SyncCommon(ControlBinding& b) {
    Control& c = b.GetControl();
    const bool form = IsForm(b);
    QWidget* target = form ? b.Container() : b.Widget();
    if (!target) return;
    if (form) b.Widget()->setEnabled(c.Enabled());
    else target->setEnabled(c.Enabled());
    target->setToolTip(c.ShowHint() ? ToQString(c.Hint()) : QString());
    target->setFont(ToQFont(c.GetFont()));
    if (c.GetCursor() == Cursor::Default) target->unsetCursor();
    else target->setCursor(ToQtCursor(c.GetCursor()));
    target->setFocusPolicy(!b.TakesFocus() ? Qt::NoFocus : c.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    SyncColors(b);
}

void QtView::SyncColors(ControlBinding& b) {
    Control& c = b.GetControl();
    QWidget* target = IsForm(b) ? b.Container() : b.Widget();
    QPalette p;
    b.ShowColours(p, target);
    const QColor text = ToQColor(c.GetFont().FontColor);
    const bool ownText = c.GetFont().FontColor != ClWindowText && c.GetFont().FontColor != ClBtnText;
    if (ownText) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
    }
    target->setPalette(p);
}

void QtView::SyncText(ControlBinding& b) {
    if (IsForm(b)) b.Widget()->setWindowTitle(ToQString(b.GetControl().Text()));
    else b.ShowText(*this);
}

void QtView::SelectionMoved(QWidget* widget) {
    int start = 0, end = 0;
    bool memo = false;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        end = line->hasSelectedText() ? line->selectionEnd() : start;
        start = ModelOffset(line->text(), start, false);
        end = ModelOffset(line->text(), end, false);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        memo = true;
        const QString shown = text->toPlainText();
        const QTextCursor cursor = text->textCursor();
        start = ModelOffset(shown, cursor.selectionStart(), true);
        end = ModelOffset(shown, cursor.selectionEnd(), true);
    } else {
        return;
    }
    // Only the model's own record of where the user is: no event fires, so there is nothing to show back.
    if (quiet_ > 0) return;
    auto* edit = dynamic_cast<Edit*>(ControlOf(widget));
    if (!edit || (memo != (dynamic_cast<Memo*>(edit) != nullptr))) return;
    Quiet quiet(*this);
    app_.Dispatch([&] { edit->SetSelection(start, end - start); });
}

// ---- forms

void QtView::SyncFormFlags(FormBinding& b) {
    Form& form = b.GetForm();
    QWidget* window = b.Widget();
    Qt::WindowFlags flags = FlagsFor(form.Border());
    if (window->windowFlags() == flags) return;
    bool shown = window->isVisible();
    window->setWindowFlags(flags);  // hides the window
    SyncFormGeometry(b);
    if (shown) window->show();
}

void QtView::SyncFormGeometry(FormBinding& b) {
    Form& form = b.GetForm();
    FormWindow* window = b.Window();
    window->MenuBar()->setVisible(form.Menu() != nullptr);
    const int width = form.ClientWidth();
    // The client area is exactly the model's; the menu bar takes what Qt's needs above it.
    const QSize size(width, form.ClientHeight() + window->MenuBarHeight(width));
    if (FixedSize(form.Border())) {
        window->setFixedSize(size);
    } else {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->resize(size);
    }
    if (form.Position == FormPosition::Designed) window->move(form.Left(), form.Top());
    window->LayOut();
    ApplyAlign(b);
}

void QtView::SyncFocus(FormBinding& formBinding) {
    Form& form = formBinding.GetForm();
    if (Control* active = form.ActiveControl())
        if (QWidget* w = WidgetOf(*active); w && w->focusPolicy() != Qt::NoFocus) w->setFocus(Qt::OtherFocusReason);
}

void QtView::SyncFormProperty(FormBinding& b, Property what) {
    Form& form = b.GetForm();
    switch (what) {
    case Property::Bounds: SyncFormGeometry(b); break;
    case Property::Text: b.Widget()->setWindowTitle(ToQString(form.Caption())); break;
    case Property::Style: SyncFormFlags(b); break;
    case Property::Menu:
        b.menu->SetMenu(form.Menu());
        SyncFormGeometry(b);
        break;
    case Property::Focus: SyncFocus(b); break;
    case Property::Repaint: b.Widget()->update(); break;
    case Property::Visible: break;  // FormShown and FormHidden show and hide the window
    default: SyncCommon(b); break;
    }
}

void QtView::FormCreated(Form& form) {
    FormBinding* b = EnsureForm(form);
    // A form may show itself while it is being made, before the application reports it.
    if (form.Visible() && !b->Widget()->isVisible()) FormShown(form);
}

void QtView::FormShown(Form& form) {
    FormBinding* b = EnsureForm(form);
    Quiet quiet(*this);
    Refresh();
    // The model does not report tab orders: they are read each time the window is shown.
    ApplyTabOrder(*b);
    QWidget* window = b->Widget();
    Qt::WindowModality modality = form.Modal() ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        if (window->isVisible()) window->hide();
        window->setWindowModality(modality);
    }
    if (!b->positioned && form.Position == FormPosition::ScreenCenter)
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect area = screen->availableGeometry();
            window->move(area.x() + (area.width() - form.Width()) / 2, area.y() + (area.height() - form.Height()) / 2);
        }
    b->positioned = true;
    // Qt gives the focus to this widget when the window is activated.
    SyncFocus(*b);
    b->activationRequested = true;
    window->show();
    window->activateWindow();
}

void QtView::FormHidden(Form& form) {
    FormBinding* b = FindForm(&form);
    if (!b || !b->Widget()) return;
    Quiet quiet(*this);
    b->Widget()->hide();
    b->activationRequested = false;
    if (b->Widget()->windowModality() != Qt::NonModal) b->Widget()->setWindowModality(Qt::NonModal);
}

void QtView::ModalStarted(Form& form) {
    ControlBinding* b = Find(&form);
    QWidget* window = b ? b->Widget() : nullptr;
    if (!window || window->windowModality() == Qt::ApplicationModal) return;
    Quiet quiet(*this);
    // Modality can only change while the window is hidden.
    bool shown = window->isVisible();
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    if (shown) window->show();
}

void QtView::ActiveFormChanged(Form* form) {
    FormBinding* b = FindForm(form);
    if (!b || !b->Widget() || !b->Widget()->isVisible() || QApplication::activeWindow() == b->Widget()) return;
    Quiet quiet(*this);
    b->activationRequested = true;
    b->Widget()->raise();
    b->Widget()->activateWindow();
}

void QtView::FormDestroyed(Form& form) {
    // Only the address is used: the form is in the middle of its destructor.
    ForgetTree(form);
}

bool QtView::SavePng(Form& form, const std::string& path) {
    ControlBinding* b = Find(&form);
    if (!b || !b->Widget()) return false;
    Refresh();
    QPixmap picture = b->Widget()->grab();
    return !picture.isNull() && picture.save(ToQString(path), "PNG");
}

bool SaveFormPng(Form& form, const std::string& path) {
    auto* view = dynamic_cast<QtView*>(form.GetObserver());
    return view && view->SavePng(form, path);
}

// ---- model changes

void QtView::ControlChanged(Control& control, Property what) {
    ControlBinding* b = Find(&control);
    if (!b || !b->Widget()) return;
    Quiet quiet(*this);
    if (auto* fb = dynamic_cast<FormBinding*>(b)) {
        SyncFormProperty(*fb, what);
        return;
    }
    switch (what) {
    case Property::Bounds: SyncGeometry(*b); break;
    case Property::Visible:
        SyncVisible(*b);
        if (ControlBinding* parent = Find(control.Parent()); parent && control.GetAlign() != Align::None) ApplyAlign(*parent);
        break;
    case Property::Enabled:
    case Property::Hint:
    case Property::Color:
    case Property::Cursor:
    case Property::TabStop: SyncCommon(*b); break;
    case Property::Font:
        SyncCommon(*b);
        if (b->SizesWithFont()) SyncGeometry(*b);
        break;
    case Property::Text: SyncText(*b); break;
    case Property::Items:
        b->ShowContent(*this, true);
        SyncText(*b);
        break;
    case Property::Repaint:
        // A scrolling widget draws its content on its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(b->Widget())) area->viewport()->update();
        else b->Widget()->update();
        break;
    case Property::Focus: break;
    case Property::Selection: b->ShowSelection(); break;
    default:
        b->ShowContent(*this, false);
        SyncText(*b);
        break;
    }
    // A page's state shows on its page control (its tab's caption and enabled state).
    if (IsPage(control)) Find(control.Parent())->ShowContent(*this, false);
}

void QtView::ControlAdded(Control& child) {
    ControlBinding* parent = Find(child.Parent());
    if (!parent) return;
    Quiet quiet(*this);
    Build(child);
    Restack(*parent);
    ApplyAlign(*parent);
    PostRefresh();
}

void QtView::ControlRemoved(Control& child) {
    ForgetTree(child);
    if (ControlBinding* parent = Find(child.Parent())) {
        Quiet quiet(*this);
        ApplyAlign(*parent);
    }
}

void QtView::MenuChanged(MenuItem& item) {
    Quiet quiet(*this);
    for (auto& [control, b] : bindings_)
        if (auto* fb = dynamic_cast<FormBinding*>(b.get()); fb && fb->menu && fb->menu->Menu()) fb->menu->ItemChanged(item);
}

// ---- user input

template <class T, class Action>
void QtView::UserInput(QWidget* widget, Action&& action) {
    if (quiet_ > 0 || !widget) return;
    T* control = dynamic_cast<T*>(ControlOf(widget));
    if (!control) return;
    QPointer<QWidget> guard(widget);
    ++inputDepth_;
    app_.Dispatch([&] { action(*control); });
    --inputDepth_;
    // The model may have refused or changed what the user did: show what it holds now.
    if (guard && ControlOf(guard) == control)
        if (ControlBinding* b = Find(control)) {
            Quiet quiet(*this);
            SyncState(*b);
        }
}

void QtView::MousePressed(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    ControlBinding* b = Find(ControlOf(widget));
    if (!b) return;
    b->Pressed();
    pressed_ = widget;
    const QPoint at = b->ModelPoint(widget->mapFromGlobal(e->globalPosition().toPoint()));
    const unsigned shift = ShiftOf(e);
    UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
}

void QtView::MouseReleased(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    ControlBinding* b = Find(ControlOf(widget));
    if (!b) return;
    const bool clickable = b->ClickOnRelease();
    const QPoint inside = widget->mapFromGlobal(e->globalPosition().toPoint());
    const bool clicked = pressed_ == widget && button == MouseButton::Left && widget->rect().contains(inside);
    const QPoint at = b->ModelPoint(inside);
    pressed_ = nullptr;
    QPointer<QWidget> guard(widget);
    UserInput<Control>(widget, [&](Control& c) { c.MouseUp(button, ShiftOf(e), at.x(), at.y()); });
    // Controls without a click of their own in Qt (labels, images, panels and edit boxes): a press and
    // release on them is a click.
    if (clicked && clickable && guard) UserInput<Control>(widget, [](Control& c) { c.Click(); });
}

void QtView::MouseDoubleClicked(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    QPoint at = widget->mapFromGlobal(e->globalPosition().toPoint());
    if (const ControlBinding* b = Find(ControlOf(widget))) at = b->ModelPoint(at);
    const unsigned shift = ShiftOf(e) | SsDouble;
    QPointer<QWidget> guard(widget);
    if (button == MouseButton::Left) UserInput<Control>(widget, [](Control& c) { c.DblClick(); });
    if (guard) UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
    // The release that ends a double click is no click of its own.
    pressed_ = nullptr;
    if (ControlBinding* b = Find(ControlOf(widget))) b->DoubleClicked();
}

bool QtView::KeyPressed(QWidget* widget, QKeyEvent* e) {
    if (quiet_ > 0 || !Find(ControlOf(widget))) return false;
    QPointer<QWidget> guard(widget);
    int key = ToKeyCode(e->key());
    if (key != KeyNone) {
        UserInput<Control>(widget, [&](Control& c) { c.KeyDown(key, ShiftOf(e->modifiers())); });
        if (key == KeyNone) return true;
    }
    // The character the key gives, when it is one byte; handlers see no part of a longer UTF-8 one.
    const QString text = e->text();
    if (guard && text.size() == 1 && text[0].unicode() < 128) {
        char c = char(text[0].unicode());
        UserInput<Control>(widget, [&](Control& control) { control.KeyPress(c); });
        if (c == 0) return true;
    }
    return false;
}

void QtView::KeyReleased(QWidget* widget, QKeyEvent* e) {
    if (quiet_ > 0 || !Find(ControlOf(widget))) return;
    int key = ToKeyCode(e->key());
    if (key != KeyNone) UserInput<Control>(widget, [&](Control& c) { c.KeyUp(key, ShiftOf(e->modifiers())); });
}

void QtView::FocusEntered(QWidget* widget) {
    UserInput<Control>(widget, [](Control& c) { c.SetFocus(); });
}

void QtView::ActsAlone(QWidget*, bool begins) {
    if (begins) ++quiet_;
    else --quiet_;
}

void QtView::CloseRequested(QWidget* window) {
    UserInput<Form>(window, [](Form& f) { f.Close(); });
}

void QtView::WindowActivated(QWidget* window) {
    FormBinding* b = FindForm(ControlOf(window));
    if (!b) return;
    if (b->activationRequested) {
        b->activationRequested = false;
        return;
    }
    // The user brought the window forward: the form is activated as when the program shows it again.
    UserInput<Form>(window, [](Form& f) {
        FormHost* host = f.Host();
        if (f.Visible() && host && host->ActiveForm() != &f) f.Show();
    });
}

void QtView::WindowResized(QWidget* window) {
    FormBinding* b = FindForm(ControlOf(window));
    if (!b) return;
    Form& form = b->GetForm();
    if (form.Border() != FormBorder::Sizeable) return;
    auto* w = static_cast<FormWindow*>(window);
    const int clientWidth = w->width();
    const int clientHeight = w->height() - w->MenuBarHeight(clientWidth);
    UserInput<Form>(window, [&](Form& f) { f.SetClientSize(clientWidth, clientHeight); });
    Quiet quiet(*this);
    ApplyAlign(*b);
}

bool QtView::DialogKey(QWidget* window, int key) {
    FormBinding* b = FindForm(ControlOf(window));
    if (!b) return false;
    // The default button takes Return, the cancel button Escape, wherever they lie on the form.
    std::vector<Control*> stack(b->GetControl().Controls().begin(), b->GetControl().Controls().end());
    while (!stack.empty()) {
        Control* c = stack.back();
        stack.pop_back();
        if (auto* button = dynamic_cast<Button*>(c); button && button->Showing() && button->Enabled() &&
                                                     (key == Qt::Key_Escape ? button->Cancel : button->Default)) {
            QWidget* w = WidgetOf(*button);
            if (!w) return false;
            UserInput<Button>(w, [](Button& bt) { bt.Click(); });
            return true;
        }
        stack.insert(stack.end(), c->Controls().begin(), c->Controls().end());
    }
    return false;
}

}  // namespace fv
