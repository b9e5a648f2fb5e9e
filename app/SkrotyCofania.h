#pragma once

#include <QObject>

class QAction;

// A line edit takes Ctrl+Z and Ctrl+Y for its own text. In the main window
// they undo and redo the cities: the count field keeps focus after "Losuj"
// and after a file dialog, and a learner pressing Ctrl+Z there means the
// cities, not the digits typed. Installed on such an edit, this lets the
// window's actions have those keys.
class SkrotyCofania : public QObject {
public:
    SkrotyCofania(QAction& cofnij, QAction& ponow, QObject* parent);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    QAction& cofnij_;
    QAction& ponow_;
};
