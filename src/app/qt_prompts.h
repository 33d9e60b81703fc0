#pragma once

#include "prompts.h"

class QWidget;

// Prompts shown with Qt's own message box and file dialog, over the given window.
class QtPrompts : public Prompts {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(int style, const QString& text) override;
    bool ask(const QString& text) override;
    QString openFile() override;

private:
    QWidget* parent_ = nullptr;
};
