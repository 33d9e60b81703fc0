#include "drag_window.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDragger::WindowDragger(QWidget* window, std::initializer_list<QWidget*> handles)
    : QObject(window), window_(window) {
    for (QWidget* handle : handles) handle->installEventFilter(this);
}

void WindowDragger::DragWindow(const QPoint& globalPress) {
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) return;
    grabOffset_ = globalPress - window_->pos();
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        DragWindow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove:
        if (!grabOffset_) break;
        window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *grabOffset_);
        return true;
    case QEvent::MouseButtonRelease:
        if (!grabOffset_) break;
        grabOffset_.reset();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
