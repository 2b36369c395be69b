#include "random_customer.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "profile_values.h"
#include "random_text.h"
#include "support/gui_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <array>

namespace robustness {

namespace {

    template <class T> QList<T*> inView(QWidget* page)
    {
        QList<T*> found;
        for (T* w : page->findChildren<T*>())
            if (w->isVisible())
                found << w;
        return found;
    }

    bool latin1Printable(const QString& text)
    {
        for (QChar c : text)
            if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
                return false;
        return true;
    }

    // Text arrives as one key event carrying it, as an input method delivers it; short plain text is
    // typed key by key.
    void typeText(QWidget* target, const QString& text)
    {
        if (text.size() <= 20 && latin1Printable(text)) {
            QTest::keyClicks(target, text);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }

    QString nameOf(const QWidget* w)
    {
        if (const auto* combo = qobject_cast<const QComboBox*>(w->parentWidget()))
            return combo->objectName();
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    }

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    const Key keys[] = {
        { Qt::Key_Tab, Qt::NoModifier, "Tab" },
        { Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab" },
        { Qt::Key_Space, Qt::NoModifier, "Space" },
        { Qt::Key_Return, Qt::NoModifier, "Return" },
        { Qt::Key_Enter, Qt::KeypadModifier, "Enter" },
        { Qt::Key_Escape, Qt::NoModifier, "Escape" },
        { Qt::Key_Up, Qt::NoModifier, "Up" },
        { Qt::Key_Down, Qt::NoModifier, "Down" },
        { Qt::Key_Left, Qt::NoModifier, "Left" },
        { Qt::Key_Right, Qt::NoModifier, "Right" },
        { Qt::Key_PageUp, Qt::NoModifier, "PageUp" },
        { Qt::Key_PageDown, Qt::NoModifier, "PageDown" },
        { Qt::Key_Home, Qt::NoModifier, "Home" },
        { Qt::Key_End, Qt::NoModifier, "End" },
        { Qt::Key_Backspace, Qt::NoModifier, "Backspace" },
        { Qt::Key_Delete, Qt::NoModifier, "Delete" },
        { Qt::Key_A, Qt::ControlModifier, "Ctrl+A" },
        { Qt::Key_C, Qt::ControlModifier, "Ctrl+C" },
        { Qt::Key_V, Qt::ControlModifier, "Ctrl+V" },
        { Qt::Key_X, Qt::ControlModifier, "Ctrl+X" },
        { Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z" },
        { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z" },
        { Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y" },
        { Qt::Key_Down, Qt::AltModifier, "Alt+Down" },
        { Qt::Key_F4, Qt::NoModifier, "F4" },
        { Qt::Key_3, Qt::NoModifier, "3" },
    };

} // namespace

RandomCustomer::RandomCustomer(quint32 seed, std::unique_ptr<form::Form1>& program)
    : rng_(seed)
    , program_(program)
    , answerer_([this] { return Answer(below(4)); })
{
    watchButtons();
}

RandomCustomer::~RandomCustomer() = default;

QWidget* RandomCustomer::page() const { return program_->visiblePage(); }

void RandomCustomer::watchButtons()
{
    QPushButton* generate = program_->button(QStringLiteral("Command4"));
    QPushButton* save = program_->button(QStringLiteral("Command8"));
    QObject::connect(generate, &QPushButton::clicked, generate, [this] { generated_ = true; });
    QObject::connect(save, &QPushButton::clicked, save, [this] { saved_ = true; });
}

Outcome RandomCustomer::act()
{
    Outcome outcome;
    generated_ = saved_ = false;
    problems_.clear();
    QWidget* shown = page();
    const QString where = shown ? shown->objectName() : QStringLiteral("no page");
    // The reminder page has no way on; a customer there closes the program sooner or later.
    const bool atEnd = where == QLatin1String("Frame4");
    const QList<QComboBox*> boxes = shown ? inView<QComboBox>(shown) : QList<QComboBox*>();

    QString what;
    // In thousandths: now and then closes the program and starts it again (more often where the
    // way on ends), otherwise clicks, picks, types or presses a key.
    const int roll = below(1000);
    if (!shown || roll < (atEnd ? 40 : 4)) {
        what = restart();
        outcome.restarted = true;
    } else if (roll < 300)
        what = clickButton();
    else if (roll < 380)
        what = clickLabel(outcome);
    else if (roll < 480 && !boxes.isEmpty())
        what = pickFromPopup(anyOf(boxes));
    else if (roll < 580 && !boxes.isEmpty())
        what = stepClosedBox(anyOf(boxes));
    else if (roll < 820)
        what = typeSomewhere();
    else
        what = pressKey();

    outcome.action = QLatin1Char('[') + where + QStringLiteral("] ") + what;
    outcome.messages = answerer_.takeAnswered();
    outcome.opened = browser_.takeOpened();
    outcome.generated = generated_;
    outcome.saved = saved_;
    outcome.problems = problems_;
    if (!outcome.messages.isEmpty()) {
        // A desktop gives the window back its focus when a message box closes; the offscreen
        // platform does not.
        program_->activateWindow();
        if (!QTest::qWaitForWindowActive(program_.get()))
            outcome.problems << QStringLiteral("the window did not become active again");
    }
    return outcome;
}

QString RandomCustomer::clickButton()
{
    QAbstractButton* button = anyOf(inView<QAbstractButton>(page()));
    if (!button)
        return QStringLiteral("no button to click");
    const QString name = button->objectName();
    QTest::mouseClick(button, Qt::LeftButton);
    return QStringLiteral("click ") + name;
}

QString RandomCustomer::clickLabel(Outcome& outcome)
{
    auto* label = anyOf(inView<form::LinkLabel>(page()));
    if (!label)
        return QStringLiteral("no label to click");
    outcome.clickedLabel = label;
    QTest::mouseClick(label, Qt::LeftButton);
    return QStringLiteral("click ") + label->objectName();
}

QString RandomCustomer::pickFromPopup(QComboBox* box)
{
    const QString name = box->objectName();
    if (!box->isEnabled()) {
        QTest::mouseClick(box, Qt::LeftButton);
        return QStringLiteral("click disabled ") + name;
    }
    const int row = below(box->count());
    const QString item = box->itemText(row);
    if (below(2) == 0) {
        support::pickFromList(box, item);
        return QStringLiteral("pick %1 in %2 with the mouse").arg(item, name);
    }
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = box->view();
    if (!list->isVisible()) {
        problems_ << QStringLiteral("Alt+Down opened no list");
        return QStringLiteral("Alt+Down on %1").arg(name);
    }
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    const bool cancel = below(8) == 0;
    QTest::keyClick(list, cancel ? Qt::Key_Escape : Qt::Key_Return);
    if (list->isVisible()) {
        problems_ << QStringLiteral("the list stayed open");
        box->hidePopup();
    }
    return QStringLiteral("%1 %2 in %3's list with the keys").arg(cancel ? "go to but cancel" : "pick", item, name);
}

QString RandomCustomer::stepClosedBox(QComboBox* box)
{
    const QString name = box->objectName();
    if (!box->isEnabled()) {
        QTest::mouseClick(box, Qt::LeftButton);
        return QStringLiteral("click disabled ") + name;
    }
    box->setFocus();
    const int how = below(7);
    if (how == 6) {
        const int delta = below(2) ? 120 : -120;
        const QPointF at = QRectF(box->rect()).center();
        QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        return QStringLiteral("wheel %1 on %2").arg(delta > 0 ? "up" : "down", name);
    }
    const Qt::Key key
        = std::array { Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home }[how];
    QTest::keyClick(box, key);
    return QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), name);
}

QString RandomCustomer::typeSomewhere()
{
    QList<QWidget*> boxes;
    for (QLineEdit* edit : inView<QLineEdit>(page()))
        if (!qobject_cast<QComboBox*>(edit->parentWidget()) || edit->parentWidget()->isEnabled())
            boxes << edit;
    for (form::BodyBox* body : inView<form::BodyBox>(page()))
        boxes << body;
    QWidget* box = anyOf(boxes);
    if (!box) // the welcome and reminder pages have nothing to type into
        return pressKey();
    const bool multiLine = qobject_cast<form::BodyBox*>(box);
    const QString text = randomText(rng_);
    box->setFocus();
    switch (below(3)) {
    case 0: // replace what is there
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            typeText(box, text);
        return QStringLiteral("type %1 over %2").arg(describe(text), nameOf(box));
    case 1: // add at the end
        QTest::keyClick(box, Qt::Key_End, multiLine ? Qt::ControlModifier : Qt::NoModifier);
        if (!text.isEmpty())
            typeText(box, text);
        return QStringLiteral("type %1 at the end of %2").arg(describe(text), nameOf(box));
    default: // paste over what is there
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1 over %2").arg(describe(text), nameOf(box));
    }
}

QString RandomCustomer::pressKey()
{
    QWidget* target = program_->focusWidget();
    if (!target || !target->isVisible())
        target = program_.get();
    const Key& key = keys[below(int(std::size(keys)))];
    const QString name = nameOf(target);
    QTest::keyClick(target, key.key, key.modifiers);
    // Alt+Down and F4 open a quantity box's list; whatever the customer does next closes it.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
        if (QApplication::activePopupWidget())
            problems_ << QStringLiteral("the list would not close on Escape");
        return QStringLiteral("key %1 on %2, then Escape").arg(QLatin1String(key.name), name);
    }
    return QStringLiteral("key %1 on %2").arg(QLatin1String(key.name), name);
}

QString RandomCustomer::restart()
{
    program_.reset();
    forgetStoreInMemory();
    program_ = support::startProgram();
    watchButtons();
    return QStringLiteral("close the program and start it again");
}

} // namespace robustness
