#pragma once

#include <QString>

// The modal questions and messages an operation may put to the technician. The window reaches
// them only through this interface, so tests can answer them.
class Prompts {
public:
    // Message-box styles, by the values the operations use.
    static constexpr int kCritical = 16;
    static constexpr int kExclamation = 48;
    static constexpr int kInformation = 64;

    virtual ~Prompts() = default;
    // A modal box titled "Orbelo" with one OK button.
    virtual void message(int style, const QString& text) = 0;
    // A modal question titled "Orbelo" with the buttons Sí and No: true for Sí.
    virtual bool ask(const QString& text) = 0;
    // A modal open-file dialog: the chosen file's full path, or an empty text when cancelled.
    virtual QString openFile() = 0;
};
