#pragma once
// A customer who does random things to the real window, as fast as events can be delivered: clicks
// whatever buttons and labels are in view, picks quantities from the list (mouse or keys) or with
// the arrow keys and wheel on the closed box, types or pastes any text (digits, letters, Chinese,
// emoji, control characters, 10 000-character runs) into any box in view, presses keys on whatever
// has the focus, and now and then closes the program and starts it again. Message boxes are
// answered as they come. Seeded: the same seed repeats the same actions.

#include "stand_ins.h"

#include <QRandomGenerator>
#include <QStringList>
#include <memory>

class QComboBox;
class QWidget;

namespace form {
class Form1;
}

namespace robustness {

// What one action was and what the window did about it.
struct Outcome {
    QString action; // for the trail, e.g. "[Frame3] click Command4"
    QStringList messages; // message boxes answered during the action (MessageBoxAnswerer)
    QStringList opened; // addresses sent to the browser
    bool generated = false; // the generate button's handler ran
    bool saved = false; // the save button's handler ran
    bool restarted = false; // the program was closed and started again
    QWidget* clickedLabel = nullptr; // the label clicked, if the action was a label click
    QStringList problems; // what went wrong in the doing, such as a list that would not close
};

class RandomCustomer {
public:
    // Acts on `program`, which it replaces when it restarts the program.
    RandomCustomer(quint32 seed, std::unique_ptr<form::Form1>& program);
    ~RandomCustomer();
    RandomCustomer(const RandomCustomer&) = delete;
    RandomCustomer& operator=(const RandomCustomer&) = delete;

    Outcome act();

private:
    int below(int n) { return int(rng_.bounded(n)); }
    template <class T> T* anyOf(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list.at(below(int(list.size())));
    }
    QWidget* page() const;
    void watchButtons();

    QString clickButton();
    QString clickLabel(Outcome& outcome);
    QString pickFromPopup(QComboBox* box);
    QString stepClosedBox(QComboBox* box);
    QString typeSomewhere();
    QString pressKey();
    QString restart();

    QRandomGenerator rng_;
    std::unique_ptr<form::Form1>& program_;
    MessageBoxAnswerer answerer_;
    BrowserStandIn browser_;
    bool generated_ = false;
    bool saved_ = false;
    QStringList problems_;
};

} // namespace robustness
