// QtView: forms as windows, controls as widgets, and every change of the model shown on them.
#include "view/qt_view.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <functional>

#include "platform/ui/form.h"
#include "platform/ui/page_control.h"
#include "platform/ui/tab_sheet.h"
#include "view/control_binding.h"
#include "view/form_binding.h"
#include "view/menu_bar.h"
#include "view/qt_convert.h"
#include "view/resources.h"

namespace fv {

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
        if (auto* f = dynamic_cast<Form*>(&b->GetControl()); f && f->GetObserver() == this) f->SetObserver(nullptr);
        if (auto* fb = dynamic_cast<FormBinding*>(b.get()); fb && fb->Widget()) windows.push_back(fb->Widget());
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

FormBinding* QtView::FindForm(const Control* control) const {
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

// ---- building

FormBinding* QtView::EnsureForm(Form& form) {
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

    window->setWindowFlags(b.Flags());
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
    if (!parent || !parent->Container()) return;
    if (ControlBinding* existing = Find(&control)) {
        if (!IsForm(*existing)) return;
        // A form placed inside a control leaves its window, which goes with what is shown in it.
        ForgetTree(control);
    }
    if (auto* form = dynamic_cast<Form*>(&control)) form->SetObserver(this);
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
    if (input_.Running()) {
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

// ---- forms

void QtView::SyncFormFlags(FormBinding& b) {
    QWidget* window = b.Widget();
    Qt::WindowFlags flags = b.Flags();
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
    if (b.FixedSize()) {
        window->setFixedSize(size);
    } else {
        // The user cannot drag the window smaller than the form allows.
        const int minWidth = form.MinimumClientWidth(), minHeight = form.MinimumClientHeight();
        window->setMinimumSize(minWidth == 0 && minHeight == 0 ? QSize(0, 0)
                                                               : QSize(minWidth, minHeight + window->MenuBarHeight(minWidth)));
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
    if (form.Parent()) {
        Build(form);
        return;
    }
    FormBinding* b = EnsureForm(form);
    // A form may show itself while it is being made, before the application reports it.
    if (form.Visible() && !b->Widget()->isVisible()) FormShown(form);
}

void QtView::FormShown(Form& form) {
    // A form inside a control shows as its control does.
    if (form.Parent()) return;
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
    FormBinding* b = FindForm(&form);
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

}  // namespace fv
