// FormBinding: the window of a form and its flags.
#include "view/form_binding.h"

namespace fv {

Qt::WindowFlags FormBinding::Flags() const {
    switch (GetForm().Border()) {
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

QWidget* FormBinding::Create(BindingHost& host, QWidget*) {
    auto* window = new FormWindow(*host.Events());
    auto* client = new ModelWidget<QWidget>(host.Events(), window);
    client->setAutoFillBackground(true);
    window->SetClient(client);
    SetContainer(client);
    return window;
}

}  // namespace fv
