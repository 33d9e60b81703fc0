#pragma once

#include <QObject>
#include <QPoint>
#include <initializer_list>
#include <optional>

class QWidget;

// Moves a borderless window while a mouse button is held on one of its title-bar widgets.
class WindowDragger : public QObject {
public:
    WindowDragger(QWidget* window, std::initializer_list<QWidget*> handles);

    // Starts moving the window: the window system moves it when it can, otherwise the window
    // follows the mouse until the button is released. Which button and where are not looked at.
    void DragWindow(const QPoint& globalPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::optional<QPoint> grabOffset_;
};
