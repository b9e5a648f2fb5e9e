#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QMessageBox;

// Acts on modal windows the code under test opens: each step waits, while
// the event loop runs, for a new modal widget to appear and then runs its
// action on it. Steps are taken in order. Polls from a timer, so it works
// whatever nested event loop is running at the time.
class ModalHelper {
public:
    using Action = std::function<void(QWidget*)>;

    ModalHelper();
    ~ModalHelper();

    ModalHelper(const ModalHelper&) = delete;
    ModalHelper& operator=(const ModalHelper&) = delete;

    // Queues an action for the next modal widget that is not yet handled.
    void next(Action action);

    // Number of queued actions still waiting for their widget.
    int pending() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Reads a message box for the test: its caption, text and icon.
struct SeenBox {
    QString caption;
    QString text;
    int icon = -1;
    bool seen = false;
};

// Records a QMessageBox into seen and presses the button with the role
// QMessageBox::StandardButton given (Ok, Yes or No).
ModalHelper::Action answerBox(SeenBox* seen, int standardButton);

// Runs action and presses OK on the message box it opens, at once or while
// the event loop runs after it; what the box showed (seen false if none came).
SeenBox boxAfter(const std::function<void()>& action);

// Runs the event loop until pred() holds or timeoutMs passes; returns pred().
bool waitUntil(const std::function<bool()>& pred, int timeoutMs = 10000);

// True when no top-level widget is visible.
bool noVisibleTopLevels();
