// QtView: forms as windows, controls as widgets, and the user's input back into the model.
#include "view/qt_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>
#include <functional>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "view/menu_bar.h"
#include "view/qt_convert.h"
#include "view/resources.h"

namespace fv {

struct QtView::Binding {
    Control* control = nullptr;
    Kind kind = Kind::Plain;
    QPointer<QWidget> widget;     // placed in the parent's client area; a form's window
    QPointer<QWidget> container;  // where the widgets of the children go
    int rowBeforePress = -1;      // list box: the row current when the mouse went down
    BitmapPtr shownPicture;  // held, so that a new picture can never come at the same address
    std::string shownResource;
    // Forms only.
    std::unique_ptr<MenuBarBinding> menu;
    bool positioned = false;
    bool activationRequested = false;  // the next activation of the window is the view's own doing
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

Edge ToEdge(BevelKind k) {
    switch (k) {
    case BevelKind::Lowered: return Edge::Lowered;
    case BevelKind::Raised: return Edge::Raised;
    case BevelKind::None: break;
    }
    return Edge::None;
}

unsigned ShiftOf(Qt::KeyboardModifiers m) {
    unsigned s = 0;
    if (m & Qt::ShiftModifier) s |= SsShift;
    if (m & Qt::AltModifier) s |= SsAlt;
    if (m & Qt::ControlModifier) s |= SsCtrl;
    return s;
}

unsigned ShiftOf(const QMouseEvent* e) {
    unsigned s = ShiftOf(e->modifiers());
    Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton) s |= SsLeft;
    if (b & Qt::RightButton) s |= SsRight;
    if (b & Qt::MiddleButton) s |= SsMiddle;
    return s;
}

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

QStringList ToQStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(qsizetype(items.size()));
    for (const std::string& s : items) list.push_back(ToQString(s));
    return list;
}

bool SameItems(const QListWidget* list, const QStringList& items) {
    if (list->count() != items.size()) return false;
    for (int i = 0; i < items.size(); ++i)
        if (list->item(i)->text() != items[i]) return false;
    return true;
}

bool SameItems(const QComboBox* combo, const QStringList& items) {
    if (combo->count() != items.size()) return false;
    for (int i = 0; i < items.size(); ++i)
        if (combo->itemText(i) != items[i]) return false;
    return true;
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

// Controls drawn on their parent's surface rather than in windows of their own: they lie under every
// windowed sibling, whatever their order.
bool IsGraphic(const Control& c) {
    return dynamic_cast<const Label*>(&c) || dynamic_cast<const Image*>(&c) || dynamic_cast<const Bevel*>(&c) ||
           dynamic_cast<const SpeedButton*>(&c);
}

QStyle::StandardPixmap StandardGlyph(BitBtn::BtnKind k) {
    using K = BitBtn::BtnKind;
    switch (k) {
    case K::Ok: return QStyle::SP_DialogOkButton;
    case K::Cancel: return QStyle::SP_DialogCancelButton;
    case K::Help: return QStyle::SP_DialogHelpButton;
    case K::Yes: return QStyle::SP_DialogYesButton;
    case K::No: return QStyle::SP_DialogNoButton;
    case K::Close: return QStyle::SP_DialogCloseButton;
    case K::Abort: return QStyle::SP_DialogAbortButton;
    case K::Retry: return QStyle::SP_DialogRetryButton;
    case K::Ignore: return QStyle::SP_DialogIgnoreButton;
    case K::All: return QStyle::SP_DialogYesToAllButton;
    case K::Custom: break;
    }
    return QStyle::SP_CustomBase;
}

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
        if (b->kind != Kind::Form) continue;
        auto* form = static_cast<Form*>(b->control);
        if (form->GetObserver() == this) form->SetObserver(nullptr);
        if (b->widget) windows.push_back(b->widget);
    }
    owners_.clear();
    for (QWidget* w : windows) delete w;
    bindings_.clear();
    for (QPointer<QWidget>& w : retired_) delete w.data();
}

// ---- lookups

QtView::Binding* QtView::Find(const Control* control) const {
    if (!control) return nullptr;
    auto it = bindings_.find(control);
    return it == bindings_.end() ? nullptr : it->second.get();
}

Control* QtView::ControlOf(const QWidget* widget) const {
    auto it = owners_.find(widget);
    return it == owners_.end() ? nullptr : it->second;
}

QWidget* QtView::WindowOf(const Form& form) const {
    Binding* b = Find(&form);
    return b ? b->widget.data() : nullptr;
}

QWidget* QtView::WidgetOf(const Control& control) const {
    Binding* b = Find(&control);
    return b ? b->widget.data() : nullptr;
}

QWidget* QtView::ClientOf(const Form& form) const {
    Binding* b = Find(&form);
    return b ? b->container.data() : nullptr;
}

QAction* QtView::ActionOf(const MenuItem& item) const {
    for (const auto& [control, b] : bindings_)
        if (b->menu)
            if (QAction* a = b->menu->ActionOf(item)) return a;
    return nullptr;
}

bool QtView::IsPage(const Binding& b) const {
    if (b.kind != Kind::TabSheet) return false;
    Binding* parent = Find(b.control->Parent());
    return parent && parent->kind == Kind::PageControl;
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

QtView::Binding* QtView::EnsureForm(Form& form) {
    if (Binding* b = Find(&form)) return b;
    Quiet quiet(*this);
    auto owned = std::make_unique<Binding>();
    Binding& b = *owned;
    b.control = &form;
    b.kind = Kind::Form;
    auto* window = new FormWindow(*this);
    auto* client = new ModelWidget<QWidget>(this, window);
    client->setAutoFillBackground(true);
    window->SetClient(client);
    b.widget = window;
    b.container = client;
    b.menu = std::make_unique<MenuBarBinding>(*window->MenuBar(), app_);
    owners_[window] = &form;
    owners_[client] = &form;
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
    Binding* parent = Find(control.Parent());
    if (!parent || !parent->container || Find(&control) || dynamic_cast<Form*>(&control)) return;
    Quiet quiet(*this);
    auto owned = std::make_unique<Binding>();
    Binding& b = *owned;
    b.control = &control;
    // Most derived kinds first.
    if (dynamic_cast<Memo*>(&control)) b.kind = Kind::Memo;
    else if (dynamic_cast<Edit*>(&control)) b.kind = Kind::Edit;
    else if (dynamic_cast<Button*>(&control)) b.kind = Kind::Button;
    else if (dynamic_cast<SpeedButton*>(&control)) b.kind = Kind::SpeedButton;
    else if (dynamic_cast<CheckBox*>(&control)) b.kind = Kind::CheckBox;
    else if (dynamic_cast<RadioButton*>(&control)) b.kind = Kind::RadioButton;
    else if (dynamic_cast<RadioGroup*>(&control)) b.kind = Kind::RadioGroup;
    else if (dynamic_cast<GroupBox*>(&control)) b.kind = Kind::GroupBox;
    else if (dynamic_cast<Panel*>(&control)) b.kind = Kind::Panel;
    else if (dynamic_cast<Bevel*>(&control)) b.kind = Kind::Bevel;
    else if (dynamic_cast<ComboBox*>(&control)) b.kind = Kind::ComboBox;
    else if (dynamic_cast<ListBox*>(&control)) b.kind = Kind::ListBox;
    else if (dynamic_cast<Image*>(&control)) b.kind = Kind::Image;
    else if (dynamic_cast<ProgressBar*>(&control)) b.kind = Kind::ProgressBar;
    else if (dynamic_cast<ScrollBar*>(&control)) b.kind = Kind::ScrollBar;
    else if (dynamic_cast<UpDown*>(&control)) b.kind = Kind::UpDown;
    else if (dynamic_cast<PageControl*>(&control)) b.kind = Kind::PageControl;
    else if (dynamic_cast<TabSheet*>(&control)) b.kind = Kind::TabSheet;
    else if (dynamic_cast<TabControl*>(&control)) b.kind = Kind::TabControl;
    else if (dynamic_cast<StringGrid*>(&control)) b.kind = Kind::StringGrid;
    else if (dynamic_cast<Label*>(&control)) b.kind = Kind::Label;

    // A page of a page control lives in the tab widget's stack; everything else in the parent's area.
    const bool page = b.kind == Kind::TabSheet && parent->kind == Kind::PageControl;
    QWidget* widget = MakeWidget(b, page ? nullptr : parent->container.data());
    b.widget = widget;
    if (!b.container) b.container = widget;
    owners_[widget] = &control;
    if (b.container != widget) owners_[b.container] = &control;
    bindings_[&control] = std::move(owned);

    if (page) {
        auto* tabs = static_cast<QTabWidget*>(parent->widget.data());
        int index = 0;
        for (TabSheet* sheet : static_cast<PageControl*>(parent->control)->Pages()) {
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

QWidget* QtView::MakeWidget(Binding& b, QWidget* parent) {
    switch (b.kind) {
    case Kind::Label: {
        auto* w = new ModelWidget<QLabel>(this, parent);
        w->setTextFormat(Qt::PlainText);
        return w;
    }
    case Kind::Edit: {
        auto* w = new ModelWidget<QLineEdit>(this, parent);
        QObject::connect(w, &QLineEdit::textEdited, w, [this, w](const QString& text) {
            UserInput<Edit>(w, [&](Edit& e) { e.UserSetText(FromQString(text)); });
            // A new text clears the model's selection: the caret is where the typing left it.
            SelectionMoved(w);
        });
        QObject::connect(w, &QLineEdit::selectionChanged, w, [this, w] { SelectionMoved(w); });
        QObject::connect(w, &QLineEdit::cursorPositionChanged, w, [this, w] { SelectionMoved(w); });
        return w;
    }
    case Kind::Memo: {
        auto* w = new ModelWidget<QPlainTextEdit>(this, parent);
        QObject::connect(w, &QPlainTextEdit::textChanged, w, [this, w] {
            UserInput<Memo>(w, [&](Memo& m) { m.UserSetText(MemoTextFromQt(w->toPlainText())); });
            SelectionMoved(w);
        });
        QObject::connect(w, &QPlainTextEdit::selectionChanged, w, [this, w] { SelectionMoved(w); });
        QObject::connect(w, &QPlainTextEdit::cursorPositionChanged, w, [this, w] { SelectionMoved(w); });
        return w;
    }
    case Kind::Button: {
        auto* w = new ModelWidget<QPushButton>(this, parent);
        // Return on a focused button presses it, as on the original platform.
        w->setAutoDefault(true);
        QObject::connect(w, &QPushButton::clicked, w, [this, w] { UserInput<Control>(w, [](Control& c) { c.Click(); }); });
        return w;
    }
    case Kind::SpeedButton: {
        auto* w = new ModelWidget<QToolButton>(this, parent);
        QObject::connect(w, &QToolButton::clicked, w, [this, w] { UserInput<Control>(w, [](Control& c) { c.Click(); }); });
        return w;
    }
    case Kind::CheckBox: {
        auto* w = new ModelWidget<QCheckBox>(this, parent);
        QObject::connect(w, &QCheckBox::clicked, w, [this, w] { UserInput<Control>(w, [](Control& c) { c.Click(); }); });
        return w;
    }
    case Kind::RadioButton: {
        auto* w = new ModelWidget<QRadioButton>(this, parent);
        // Exclusivity is the model's: it unchecks the other radio buttons of the same parent.
        w->setAutoExclusive(false);
        QObject::connect(w, &QRadioButton::clicked, w, [this, w] { UserInput<Control>(w, [](Control& c) { c.Click(); }); });
        return w;
    }
    case Kind::GroupBox: return new ModelWidget<QGroupBox>(this, parent);
    case Kind::RadioGroup: {
        auto* w = new ModelWidget<RadioItems>(this, parent);
        w->OnItemClicked = [this, w](int index) {
            UserInput<RadioGroup>(w, [index](RadioGroup& g) { g.SetItemIndex(index); });
        };
        return w;
    }
    case Kind::Panel: return new ModelWidget<PanelFrame>(this, parent);
    case Kind::Bevel: return new BevelShape(parent);
    case Kind::ComboBox: {
        auto* w = new ModelWidget<QComboBox>(this, parent);
        w->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(w, &QComboBox::activated, w, [this, w](int index) {
            UserInput<ComboBox>(w, [index](ComboBox& c) { c.UserSelect(index); });
        });
        return w;
    }
    case Kind::ListBox: {
        auto* w = new ModelWidget<QListWidget>(this, parent);
        QObject::connect(w, &QListWidget::currentRowChanged, w, [this, w](int row) {
            if (row >= 0) UserInput<ListBox>(w, [row](ListBox& l) { l.UserSelect(row); });
        });
        // A click on the row that was already current changes nothing in Qt but is still a click.
        QObject::connect(w, &QListWidget::itemClicked, w, [this, w](QListWidgetItem* item) {
            Binding* b = Find(ControlOf(w));
            int row = w->row(item);
            if (b && row >= 0 && row == b->rowBeforePress)
                UserInput<ListBox>(w, [row](ListBox& l) { l.UserSelect(row); });
        });
        return w;
    }
    case Kind::Image: return new ModelWidget<PictureBox>(this, parent);
    case Kind::ProgressBar: {
        auto* w = new ModelWidget<QProgressBar>(this, parent);
        w->setTextVisible(false);
        return w;
    }
    case Kind::ScrollBar: {
        auto* w = new ModelWidget<QScrollBar>(this, parent);
        QObject::connect(w, &QScrollBar::valueChanged, w, [this, w](int value) {
            UserInput<RangeControl>(w, [value](RangeControl& r) { r.SetPosition(value); });
        });
        return w;
    }
    case Kind::UpDown: {
        auto* w = new ModelWidget<ArrowPair>(this, parent);
        QObject::connect(w->Up(), &QToolButton::clicked, w, [this, w] {
            UserInput<RangeControl>(w, [](RangeControl& r) { r.SetPosition(r.Position() + 1); });
        });
        QObject::connect(w->Down(), &QToolButton::clicked, w, [this, w] {
            UserInput<RangeControl>(w, [](RangeControl& r) { r.SetPosition(r.Position() - 1); });
        });
        return w;
    }
    case Kind::PageControl: {
        auto* w = new ModelWidget<QTabWidget>(this, parent);
        QObject::connect(w, &QTabWidget::currentChanged, w, [this, w](int index) {
            auto* sheet = dynamic_cast<TabSheet*>(ControlOf(w->widget(index)));
            if (sheet) UserInput<PageControl>(w, [sheet](PageControl& p) { p.UserSelectPage(sheet); });
        });
        return w;
    }
    case Kind::TabControl: {
        auto* w = new ModelWidget<TabStrip>(this, parent);
        QObject::connect(w->Bar(), &QTabBar::currentChanged, w, [this, w](int index) {
            UserInput<TabControl>(w, [index](TabControl& t) { t.UserSelectTab(index); });
        });
        return w;
    }
    case Kind::StringGrid: {
        auto* w = new ModelWidget<QTableWidget>(this, parent);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->verticalHeader()->hide();
        return w;
    }
    case Kind::TabSheet:
    case Kind::Plain:
    case Kind::Form: break;
    }
    return new ModelWidget<QWidget>(this, parent);
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
        if (Binding* b = Find(c)) SyncAll(*b);
}

// ---- removing

void QtView::Forget(const Control* control) {
    auto it = bindings_.find(control);
    if (it == bindings_.end()) return;
    owners_.erase(it->second->widget.data());
    owners_.erase(it->second->container.data());
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
    Binding* b = Find(&control);
    if (!b) return;
    Quiet quiet(*this);
    QPointer<QWidget> widget = b->widget;
    // Children the model has just let go of are still shown inside the widget: they go with it.
    std::vector<const Control*> gone;
    for (const auto& [c, other] : bindings_)
        if (other->widget && widget && (other->widget == widget || widget->isAncestorOf(other->widget)))
            gone.push_back(c);
    gone.push_back(&control);
    for (const Control* c : gone) Forget(c);
    if (!widget) return;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget->parentWidget() ? widget->parentWidget()->parentWidget() : nullptr))
        if (int i = tabs->indexOf(widget); i >= 0) tabs->removeTab(i);
    Discard(widget);
}


// ---- syncing

void QtView::SyncAll(Binding& b) {
    if (b.kind == Kind::Form) return;
    SyncCommon(b);
    SyncContent(b, true);
    SyncText(b);
    SyncGeometry(b);
    SyncVisible(b);
}

void QtView::SyncState(Binding& b) {
    if (b.kind == Kind::Form) return;
    SyncContent(b, false);
    SyncText(b);
}

void QtView::SyncVisible(Binding& b) {
    // A page control shows its pages itself; the model hides the pages that are not active.
    if (b.kind == Kind::Form || IsPage(b)) return;
    b.widget->setVisible(b.control->Visible());
}

void QtView::SyncGeometry(Binding& b) {
    Control& c = *b.control;
    if (b.kind == Kind::Form) {
        SyncFormGeometry(b);
        return;
    }
    if (!IsPage(b)) {
        Binding* parent = Find(c.Parent());
        if (c.GetAlign() != Align::None && parent) {
            ApplyAlign(*parent);
        } else {
            QRect r(c.Left(), c.Top(), c.Width(), c.Height());
            if (b.kind == Kind::Label) {
                auto& label = static_cast<Label&>(c);
                if (label.AutoSize && !label.WordWrap) r.setSize(static_cast<QLabel*>(b.widget.data())->sizeHint());
            }
            b.widget->setGeometry(r);
        }
    }
    ApplyAlign(b);
}

QRect QtView::AlignArea(Binding& parent) const {
    Control& c = *parent.control;
    switch (parent.kind) {
    case Kind::Form: return QRect(0, 0, c.ClientWidth(), c.ClientHeight());
    case Kind::Panel: return static_cast<PanelFrame*>(parent.widget.data())->Inside();
    case Kind::GroupBox:
    case Kind::RadioGroup: return parent.widget->rect().adjusted(2, parent.widget->fontMetrics().height(), -2, -2);
    default: return parent.container ? parent.container->rect() : QRect();
    }
}

void QtView::ApplyAlign(Binding& parent) {
    const auto& children = parent.control->Controls();
    if (std::none_of(children.begin(), children.end(), [](Control* c) { return c->GetAlign() != Align::None; }))
        return;
    // The model keeps no aligned geometry: the view lays aligned children out as the original platform
    // did, top ones first, then bottom, left, right, and the client one in what is left.
    QRect area = AlignArea(parent);
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : children) {
            if (c->GetAlign() != pass || !c->Visible()) continue;
            Binding* b = Find(c);
            if (!b || !b->widget) continue;
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
            b->widget->setGeometry(r);
            ApplyAlign(*b);
        }
    }
}

void QtView::Restack(Binding& parent) {
    if (parent.kind == Kind::PageControl) return;
    std::vector<QWidget*> order;
    for (bool graphic : {true, false})
        for (Control* c : parent.control->Controls())
            if (IsGraphic(*c) == graphic)
                if (Binding* b = Find(c); b && b->widget && b->widget->parentWidget() == parent.container) order.push_back(b->widget);
    for (QWidget* w : order) w->raise();
}

void QtView::ApplyTabOrder(Binding& formBinding) {
    std::vector<QWidget*> chain;
    std::function<void(const Control&)> walk = [&](const Control& parent) {
        std::vector<Control*> children(parent.Controls().begin(), parent.Controls().end());
        std::stable_sort(children.begin(), children.end(),
                         [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
        for (Control* c : children) {
            Binding* b = Find(c);
            if (!b || !b->widget) continue;
            if (b->widget->focusPolicy() & Qt::TabFocus) chain.push_back(b->widget);
            walk(*c);
        }
    };
    walk(*formBinding.control);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void QtView::SyncCommon(Binding& b) {
    Control& c = *b.control;
    QWidget* target = b.kind == Kind::Form ? b.container.data() : b.widget.data();
    if (!target) return;
    if (b.kind == Kind::Form) b.widget->setEnabled(c.Enabled());
    else target->setEnabled(c.Enabled());
    target->setToolTip(c.ShowHint() ? ToQString(c.Hint()) : QString());
    target->setFont(ToQFont(c.GetFont()));
    if (c.GetCursor() == Cursor::Default) target->unsetCursor();
    else target->setCursor(ToQtCursor(c.GetCursor()));
    switch (b.kind) {
    case Kind::Edit:
    case Kind::Memo:
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
    case Kind::ComboBox:
    case Kind::ListBox: target->setFocusPolicy(c.TabStop() ? Qt::StrongFocus : Qt::ClickFocus); break;
    default: target->setFocusPolicy(Qt::NoFocus); break;
    }
    SyncColors(b);
}

void QtView::SyncColors(Binding& b) {
    Control& c = *b.control;
    QWidget* target = b.kind == Kind::Form ? b.container.data() : b.widget.data();
    // Roles left unset follow the parent, which is how a control takes its parent's colour by default.
    QPalette p;
    const Color color = c.GetColor();
    const QColor text = ToQColor(c.GetFont().FontColor);
    const bool ownText = c.GetFont().FontColor != ClWindowText && c.GetFont().FontColor != ClBtnText;
    switch (b.kind) {
    case Kind::Edit:
    case Kind::Memo:
    case Kind::ComboBox:
    case Kind::ListBox:
        if (color != ClWindow && color != ClDefault) p.setColor(QPalette::Base, ToQColor(color));
        break;
    case Kind::Button:
    case Kind::SpeedButton:
        if (color != ClBtnFace && color != ClDefault) p.setColor(QPalette::Button, ToQColor(color));
        break;
    case Kind::Form:
    case Kind::Panel:
    case Kind::TabSheet:
        // Surfaces: always painted in their own colour.
        p.setColor(QPalette::Window, ToQColor(color));
        target->setAutoFillBackground(true);
        break;
    case Kind::Bevel:
    case Kind::Image:
    case Kind::PageControl: break;
    default: {
        bool own = color != ClBtnFace && color != ClDefault;
        bool transparent = b.kind == Kind::Label && static_cast<Label&>(c).Transparent;
        if (own && !transparent) p.setColor(QPalette::Window, ToQColor(color));
        target->setAutoFillBackground(own && !transparent);
        break;
    }
    }
    if (ownText) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
    }
    target->setPalette(p);
}

void QtView::SyncText(Binding& b) {
    Control& c = *b.control;
    const QString text = ToQString(c.Text());
    QWidget* w = b.widget;
    switch (b.kind) {
    case Kind::Form: w->setWindowTitle(text); break;
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        QString plain = StripAccessKeys(c.Text());
        if (label->text() != plain) {
            label->setText(plain);
            if (static_cast<Label&>(c).AutoSize) SyncGeometry(b);
        }
        break;
    }
    case Kind::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != text) {
            int cursor = edit->cursorPosition();
            edit->setText(text);
            edit->setCursorPosition(std::min(cursor, int(text.size())));
        }
        break;
    }
    case Kind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(w);
        QString shown = MemoTextToQt(c.Text());
        if (memo->toPlainText() != shown) {
            int cursor = memo->textCursor().position();
            memo->setPlainText(shown);
            QTextCursor tc = memo->textCursor();
            tc.setPosition(std::min(cursor, int(shown.size())));
            memo->setTextCursor(tc);
        }
        break;
    }
    case Kind::Button: static_cast<QPushButton*>(w)->setText(text); break;
    case Kind::SpeedButton: static_cast<QToolButton*>(w)->setText(text); break;
    case Kind::CheckBox: static_cast<QCheckBox*>(w)->setText(text); break;
    case Kind::RadioButton: static_cast<QRadioButton*>(w)->setText(text); break;
    case Kind::GroupBox:
    case Kind::RadioGroup: static_cast<QGroupBox*>(w)->setTitle(text); break;
    case Kind::Panel: static_cast<PanelFrame*>(w)->SetCaption(StripAccessKeys(c.Text())); break;
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(w);
        if (combo->isEditable() && combo->currentText() != text) combo->setEditText(text);
        break;
    }
    case Kind::TabSheet:
        if (IsPage(b)) {
            auto* tabs = static_cast<QTabWidget*>(Find(c.Parent())->widget.data());
            if (int i = tabs->indexOf(w); i >= 0) tabs->setTabText(i, text);
        }
        break;
    default: break;
    }
}

void QtView::SyncPicture(Binding& b) {
    auto& image = static_cast<Image&>(*b.control);
    auto* label = static_cast<PictureBox*>(b.widget.data());
    const bool keepShape = image.Stretch() && image.Proportional;
    label->SetKeepShape(keepShape);
    label->setScaledContents(image.Stretch() && !keepShape);
    label->setAlignment(image.Center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    const BitmapPtr picture = image.Picture() && !image.Picture()->Empty() ? image.Picture() : nullptr;
    const std::string resource = picture ? std::string() : image.ResourceName;
    if (picture == b.shownPicture && resource == b.shownResource && (picture || !resource.empty() || label->pixmap().isNull()))
        return;
    b.shownPicture = picture;
    b.shownResource = resource;
    QImage shown = picture ? ToQImage(*picture) : resource.empty() ? QImage() : ResourceImage(resource);
    label->setPixmap(shown.isNull() ? QPixmap() : QPixmap::fromImage(shown));
}

void QtView::SyncSelection(Binding& b) {
    auto& edit = static_cast<Edit&>(*b.control);
    const bool memo = b.kind == Kind::Memo;
    const int start = ShownOffset(edit.Text(), edit.SelStart(), memo);
    const int end = ShownOffset(edit.Text(), edit.SelStart() + edit.SelLength(), memo);
    // A selection that is already shown stays untouched, so the side the user extends it from stays his.
    if (!memo) {
        auto* q = static_cast<QLineEdit*>(b.widget.data());
        const int shownStart = q->hasSelectedText() ? q->selectionStart() : q->cursorPosition();
        const int shownEnd = q->hasSelectedText() ? q->selectionEnd() : shownStart;
        if (shownStart == start && shownEnd == end) return;
        if (end > start) q->setSelection(start, end - start);
        else q->setCursorPosition(start);
        return;
    }
    auto* q = static_cast<QPlainTextEdit*>(b.widget.data());
    QTextCursor cursor = q->textCursor();
    if (cursor.selectionStart() == start && cursor.selectionEnd() == end) return;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    q->setTextCursor(cursor);
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

void QtView::SyncContent(Binding& b, bool items) {
    Control& c = *b.control;
    QWidget* w = b.widget;
    switch (b.kind) {
    case Kind::Label: {
        auto& label = static_cast<Label&>(c);
        auto* q = static_cast<QLabel*>(w);
        Qt::Alignment h = label.TextAlign == Label::Alignment::Right    ? Qt::AlignRight
                          : label.TextAlign == Label::Alignment::Center ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
        q->setAlignment(h | Qt::AlignTop);
        q->setWordWrap(label.WordWrap);
        break;
    }
    case Kind::Edit:
    case Kind::Memo: {
        auto& edit = static_cast<Edit&>(c);
        if (b.kind == Kind::Edit) {
            auto* q = static_cast<QLineEdit*>(w);
            q->setReadOnly(edit.ReadOnly());
            q->setEchoMode(edit.PasswordChar() ? QLineEdit::Password : QLineEdit::Normal);
            q->setFrame(edit.GetBorderStyle() != BorderStyle::None);
        } else {
            auto& memo = static_cast<Memo&>(c);
            auto* q = static_cast<QPlainTextEdit*>(w);
            q->setReadOnly(memo.ReadOnly());
            q->setFrameShape(memo.GetBorderStyle() == BorderStyle::None ? QFrame::NoFrame : QFrame::StyledPanel);
            q->setLineWrapMode(memo.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
            bool h = memo.ScrollBars == ScrollStyle::Horizontal || memo.ScrollBars == ScrollStyle::Both;
            bool v = memo.ScrollBars == ScrollStyle::Vertical || memo.ScrollBars == ScrollStyle::Both;
            q->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            q->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        }
        break;
    }
    case Kind::Button: {
        auto& button = static_cast<Button&>(c);
        auto* q = static_cast<QPushButton*>(w);
        q->setDefault(button.Default);
        if (auto* bit = dynamic_cast<BitBtn*>(&button)) {
            QIcon icon;
            if (!bit->Glyph.empty()) {
                QImage glyph = ResourceImage(bit->Glyph);
                if (!glyph.isNull()) icon = QIcon(QPixmap::fromImage(glyph));
            } else if (bit->ButtonKind != BitBtn::BtnKind::Custom) {
                icon = q->style()->standardIcon(StandardGlyph(bit->ButtonKind), nullptr, q);
            }
            q->setIcon(icon);
        }
        break;
    }
    case Kind::SpeedButton: {
        auto& speed = static_cast<SpeedButton&>(c);
        auto* q = static_cast<QToolButton*>(w);
        q->setCheckable(speed.GroupIndex != 0);
        q->setChecked(speed.Down());
        q->setAutoRaise(speed.Flat);
        QImage glyph = speed.Glyph.empty() ? QImage() : ResourceImage(speed.Glyph);
        q->setIcon(glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(glyph)));
        if (!glyph.isNull()) q->setIconSize(glyph.size());
        q->setToolButtonStyle(glyph.isNull() ? Qt::ToolButtonTextOnly
                              : speed.Text().empty() ? Qt::ToolButtonIconOnly
                                                     : Qt::ToolButtonTextBesideIcon);
        break;
    }
    case Kind::CheckBox: {
        auto& check = static_cast<CheckBox&>(c);
        auto* q = static_cast<QCheckBox*>(w);
        q->setChecked(check.Checked());
        q->setLayoutDirection(check.LabelOnLeft ? Qt::RightToLeft : Qt::LeftToRight);
        break;
    }
    case Kind::RadioButton: static_cast<QRadioButton*>(w)->setChecked(static_cast<RadioButton&>(c).Checked()); break;
    case Kind::RadioGroup: {
        auto& group = static_cast<RadioGroup&>(c);
        auto* q = static_cast<RadioItems*>(w);
        q->SetItems(ToQStringList(group.Items()), group.Columns);
        q->SetChecked(group.ItemIndex());
        break;
    }
    case Kind::Panel: {
        auto& panel = static_cast<Panel&>(c);
        static_cast<PanelFrame*>(w)->SetEdges(ToEdge(panel.BevelOuter), ToEdge(panel.BevelInner), panel.BorderWidth);
        break;
    }
    case Kind::Bevel: {
        auto& bevel = static_cast<Bevel&>(c);
        static_cast<BevelShape*>(w)->SetShape(BevelShape::Shape(int(bevel.BevelShape)), ToEdge(bevel.Style));
        break;
    }
    case Kind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(c);
        auto* q = static_cast<QComboBox*>(w);
        bool editable = combo.Style != ComboBox::ComboStyle::DropDownList;
        if (q->isEditable() != editable) {
            q->setEditable(editable);
            if (editable) {
                // The original box neither completes what is typed nor adds it to the list.
                q->setCompleter(nullptr);
                // The text part covers the box but for its edge and arrow: its double clicks are the box's.
                new DoubleClickRelay(*this, q, q->lineEdit());
                QObject::connect(q->lineEdit(), &QLineEdit::textEdited, q, [this, q](const QString& text) {
                    UserInput<ComboBox>(q, [&](ComboBox& cb) { cb.UserSetText(FromQString(text)); });
                });
            }
        }
        if (items) {
            QStringList list = ToQStringList(combo.Items());
            if (!SameItems(q, list)) {
                q->clear();
                q->addItems(list);
            }
        }
        if (q->currentIndex() != combo.ItemIndex()) q->setCurrentIndex(combo.ItemIndex());
        break;
    }
    case Kind::ListBox: {
        auto& list = static_cast<ListBox&>(c);
        auto* q = static_cast<QListWidget*>(w);
        q->setSelectionMode(list.MultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        if (items) {
            QStringList entries = ToQStringList(list.Items());
            if (!SameItems(q, entries)) {
                q->clear();
                q->addItems(entries);
            }
        }
        if (q->currentRow() != list.ItemIndex()) {
            q->setCurrentRow(list.ItemIndex());
            if (list.ItemIndex() < 0) q->clearSelection();
        }
        break;
    }
    case Kind::Image: SyncPicture(b); break;
    case Kind::ProgressBar: {
        auto& bar = static_cast<ProgressBar&>(c);
        auto* q = static_cast<QProgressBar*>(w);
        q->setRange(bar.Min(), bar.Max());
        q->setValue(bar.Position());
        break;
    }
    case Kind::ScrollBar: {
        auto& bar = static_cast<ScrollBar&>(c);
        auto* q = static_cast<QScrollBar*>(w);
        q->setOrientation(bar.Vertical ? Qt::Vertical : Qt::Horizontal);
        q->setRange(bar.Min(), bar.Max());
        q->setSingleStep(std::max(1, bar.SmallChange));
        q->setPageStep(std::max(1, bar.LargeChange));
        q->setValue(bar.Position());
        break;
    }
    case Kind::UpDown: {
        auto& updown = static_cast<UpDown&>(c);
        auto* q = static_cast<ArrowPair*>(w);
        q->Up()->setEnabled(updown.Position() < updown.Max());
        q->Down()->setEnabled(updown.Position() > updown.Min());
        break;
    }
    case Kind::PageControl: {
        auto& pages = static_cast<PageControl&>(c);
        auto* q = static_cast<QTabWidget*>(w);
        if (TabSheet* active = pages.ActivePage())
            if (Binding* page = Find(active); page && q->currentWidget() != page->widget) q->setCurrentWidget(page->widget);
        for (TabSheet* sheet : pages.Pages())
            if (Binding* page = Find(sheet))
                if (int i = q->indexOf(page->widget); i >= 0) q->setTabEnabled(i, sheet->Enabled());
        break;
    }
    case Kind::TabControl: {
        auto& tabs = static_cast<TabControl&>(c);
        QTabBar* bar = static_cast<TabStrip*>(w)->Bar();
        bool same = bar->count() == int(tabs.Tabs.size());
        for (int i = 0; same && i < bar->count(); ++i) same = bar->tabText(i) == ToQString(tabs.Tabs[std::size_t(i)]);
        if (!same) {
            while (bar->count() > 0) bar->removeTab(bar->count() - 1);
            for (const std::string& t : tabs.Tabs) bar->addTab(ToQString(t));
        }
        if (bar->currentIndex() != tabs.TabIndex()) bar->setCurrentIndex(tabs.TabIndex());
        break;
    }
    case Kind::StringGrid: {
        // The fixed row shows as the column titles; the rows below it as the table's rows.
        auto& grid = static_cast<StringGrid&>(c);
        auto* q = static_cast<QTableWidget*>(w);
        const int fixed = std::min(1, grid.FixedRows());
        q->setColumnCount(grid.ColCount());
        q->setRowCount(std::max(0, grid.RowCount() - fixed));
        q->horizontalHeader()->setVisible(fixed > 0);
        for (int col = 0; col < grid.ColCount(); ++col) {
            if (fixed) q->setHorizontalHeaderItem(col, new QTableWidgetItem(ToQString(grid.Cell(col, 0))));
            q->setColumnWidth(col, grid.DefaultColWidth);
            for (int row = fixed; row < grid.RowCount(); ++row)
                q->setItem(row - fixed, col, new QTableWidgetItem(ToQString(grid.Cell(col, row))));
        }
        break;
    }
    case Kind::GroupBox:
    case Kind::TabSheet:
    case Kind::Plain:
    case Kind::Form: break;
    }
}

// ---- forms

void QtView::SyncFormFlags(Binding& b) {
    auto& form = static_cast<Form&>(*b.control);
    QWidget* window = b.widget;
    Qt::WindowFlags flags = FlagsFor(form.Border());
    if (window->windowFlags() == flags) return;
    bool shown = window->isVisible();
    window->setWindowFlags(flags);  // hides the window
    SyncFormGeometry(b);
    if (shown) window->show();
}

void QtView::SyncFormGeometry(Binding& b) {
    auto& form = static_cast<Form&>(*b.control);
    auto* window = static_cast<FormWindow*>(b.widget.data());
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

void QtView::SyncFocus(Binding& formBinding) {
    auto& form = static_cast<Form&>(*formBinding.control);
    if (Control* active = form.ActiveControl())
        if (Binding* b = Find(active); b && b->widget && b->widget->focusPolicy() != Qt::NoFocus)
            b->widget->setFocus(Qt::OtherFocusReason);
}

void QtView::SyncFormProperty(Binding& b, Property what) {
    auto& form = static_cast<Form&>(*b.control);
    switch (what) {
    case Property::Bounds: SyncFormGeometry(b); break;
    case Property::Text: b.widget->setWindowTitle(ToQString(form.Caption())); break;
    case Property::Style: SyncFormFlags(b); break;
    case Property::Menu:
        b.menu->SetMenu(form.Menu());
        SyncFormGeometry(b);
        break;
    case Property::Focus: SyncFocus(b); break;
    case Property::Repaint: b.widget->update(); break;
    case Property::Visible: break;  // FormShown and FormHidden show and hide the window
    default: SyncCommon(b); break;
    }
}

void QtView::FormCreated(Form& form) {
    Binding* b = EnsureForm(form);
    // A form may show itself while it is being made, before the application reports it.
    if (form.Visible() && !b->widget->isVisible()) FormShown(form);
}

void QtView::FormShown(Form& form) {
    Binding* b = EnsureForm(form);
    Quiet quiet(*this);
    Refresh();
    // The model does not report tab orders: they are read each time the window is shown.
    ApplyTabOrder(*b);
    QWidget* window = b->widget;
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
    Binding* b = Find(&form);
    if (!b || !b->widget) return;
    Quiet quiet(*this);
    b->widget->hide();
    b->activationRequested = false;
    if (b->widget->windowModality() != Qt::NonModal) b->widget->setWindowModality(Qt::NonModal);
}

void QtView::ModalStarted(Form& form) {
    Binding* b = Find(&form);
    if (!b || !b->widget || b->widget->windowModality() == Qt::ApplicationModal) return;
    Quiet quiet(*this);
    // Modality can only change while the window is hidden.
    bool shown = b->widget->isVisible();
    b->widget->hide();
    b->widget->setWindowModality(Qt::ApplicationModal);
    if (shown) b->widget->show();
}

void QtView::ActiveFormChanged(Form* form) {
    Binding* b = Find(form);
    if (!b || !b->widget || !b->widget->isVisible() || QApplication::activeWindow() == b->widget) return;
    Quiet quiet(*this);
    b->activationRequested = true;
    b->widget->raise();
    b->widget->activateWindow();
}

void QtView::FormDestroyed(Form& form) {
    // Only the address is used: the form is in the middle of its destructor.
    ForgetTree(form);
}

bool QtView::SavePng(Form& form, const std::string& path) {
    Binding* b = Find(&form);
    if (!b || !b->widget) return false;
    Refresh();
    QPixmap picture = b->widget->grab();
    return !picture.isNull() && picture.save(ToQString(path), "PNG");
}

bool SaveFormPng(Form& form, const std::string& path) {
    auto* view = dynamic_cast<QtView*>(form.GetObserver());
    return view && view->SavePng(form, path);
}

// ---- model changes

void QtView::ControlChanged(Control& control, Property what) {
    Binding* b = Find(&control);
    if (!b || !b->widget) return;
    Quiet quiet(*this);
    if (b->kind == Kind::Form) {
        SyncFormProperty(*b, what);
        return;
    }
    switch (what) {
    case Property::Bounds: SyncGeometry(*b); break;
    case Property::Visible:
        SyncVisible(*b);
        if (Binding* parent = Find(control.Parent()); parent && control.GetAlign() != Align::None) ApplyAlign(*parent);
        break;
    case Property::Enabled:
    case Property::Hint:
    case Property::Color:
    case Property::Cursor:
    case Property::TabStop: SyncCommon(*b); break;
    case Property::Font:
        SyncCommon(*b);
        if (b->kind == Kind::Label) SyncGeometry(*b);
        break;
    case Property::Text: SyncText(*b); break;
    case Property::Items: SyncContent(*b, true); SyncText(*b); break;
    case Property::Repaint: b->widget->update(); break;
    case Property::Focus: break;
    case Property::Selection:
        if (b->kind == Kind::Edit || b->kind == Kind::Memo) SyncSelection(*b);
        break;
    default:
        SyncContent(*b, false);
        SyncText(*b);
        break;
    }
    // A page's state shows on its page control (its tab's caption and enabled state).
    if (IsPage(*b)) SyncContent(*Find(control.Parent()), false);
}

void QtView::ControlAdded(Control& child) {
    Binding* parent = Find(child.Parent());
    if (!parent) return;
    Quiet quiet(*this);
    Build(child);
    Restack(*parent);
    ApplyAlign(*parent);
    PostRefresh();
}

void QtView::ControlRemoved(Control& child) {
    ForgetTree(child);
    if (Binding* parent = Find(child.Parent())) {
        Quiet quiet(*this);
        ApplyAlign(*parent);
    }
}

void QtView::MenuChanged(MenuItem& item) {
    Quiet quiet(*this);
    for (auto& [control, b] : bindings_)
        if (b->menu && b->menu->Menu()) b->menu->ItemChanged(item);
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
        if (Binding* b = Find(control)) {
            Quiet quiet(*this);
            SyncState(*b);
        }
}

void QtView::MousePressed(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    Binding* b = Find(ControlOf(widget));
    if (!b) return;
    if (b->kind == Kind::ListBox) b->rowBeforePress = static_cast<QListWidget*>(widget)->currentRow();
    pressed_ = widget;
    const QPoint at = widget->mapFromGlobal(e->globalPosition().toPoint());
    const unsigned shift = ShiftOf(e);
    UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
}

void QtView::MouseReleased(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    Binding* b = Find(ControlOf(widget));
    if (!b) return;
    const Kind kind = b->kind;
    const QPoint at = widget->mapFromGlobal(e->globalPosition().toPoint());
    const bool clicked = pressed_ == widget && button == MouseButton::Left && widget->rect().contains(at);
    pressed_ = nullptr;
    QPointer<QWidget> guard(widget);
    UserInput<Control>(widget, [&](Control& c) { c.MouseUp(button, ShiftOf(e), at.x(), at.y()); });
    // Controls without a click of their own in Qt: a press and release on them is a click, as for the
    // original platform's labels, images, panels and edit boxes.
    bool clickable = kind == Kind::Label || kind == Kind::Image || kind == Kind::Panel || kind == Kind::GroupBox ||
                     kind == Kind::Plain || kind == Kind::Form || kind == Kind::TabSheet || kind == Kind::Edit ||
                     kind == Kind::Memo || kind == Kind::ProgressBar;
    if (clicked && clickable && guard) UserInput<Control>(widget, [](Control& c) { c.Click(); });
}

void QtView::MouseDoubleClicked(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (quiet_ > 0 || !ToMouseButton(e->button(), button)) return;
    const QPoint at = widget->mapFromGlobal(e->globalPosition().toPoint());
    const unsigned shift = ShiftOf(e) | SsDouble;
    QPointer<QWidget> guard(widget);
    if (button == MouseButton::Left) UserInput<Control>(widget, [](Control& c) { c.DblClick(); });
    if (guard) UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
    // The release that ends a double click is no click of its own.
    pressed_ = nullptr;
    if (Binding* b = Find(ControlOf(widget))) b->rowBeforePress = -1;
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
    Binding* b = Find(ControlOf(window));
    if (!b || b->kind != Kind::Form) return;
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
    Binding* b = Find(ControlOf(window));
    if (!b || b->kind != Kind::Form) return;
    auto& form = static_cast<Form&>(*b->control);
    if (form.Border() != FormBorder::Sizeable) return;
    auto* w = static_cast<FormWindow*>(window);
    const int clientWidth = w->width();
    const int clientHeight = w->height() - w->MenuBarHeight(clientWidth);
    UserInput<Form>(window, [&](Form& f) { f.SetClientSize(clientWidth, clientHeight); });
    Quiet quiet(*this);
    ApplyAlign(*b);
}

bool QtView::DialogKey(QWidget* window, int key) {
    Binding* b = Find(ControlOf(window));
    if (!b || b->kind != Kind::Form) return false;
    // The default button takes Return, the cancel button Escape, wherever they lie on the form.
    std::vector<Control*> stack(b->control->Controls().begin(), b->control->Controls().end());
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
