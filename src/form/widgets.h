#pragma once
// The few widgets whose behaviour the program needs and Qt does not give by default. Each keeps to
// public Qt API; the reasons are in the comments of widgets.cpp.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <vector>

class QRadioButton;

namespace form {

// A label that reports a click: a left press and a release inside it. Every label of the window is
// one; only the link labels have anyone listening.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // A link is presented to screen readers as one (accessibility.h). Mark it before giving it any
    // text: Qt makes a widget's accessible view once, at the first change it reports.
    void setLink(bool link) { link_ = link; }
    bool isLink() const { return link_; }
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool link_ = false;
};

// A quantity box: an editable combo box whose `activated` signal means "an item was chosen from the
// list" (popup, arrow keys or wheel) and nothing else. Typing never activates an item and never adds
// one to the list. It shows `text` until an item is chosen or typed.
//
// What makes it editable (a line edit, and Qt's machinery around it) costs more to build than the rest
// of the box, so the window builds it with makeEditable() before the box is first shown, not while the
// window is being built; until then the box has no line edit.
class QuantityBox : public QComboBox {
    Q_OBJECT
public:
    QuantityBox(const QStringList& items, const QString& text, QWidget* parent = nullptr);

    void makeEditable();
    // Runs `setUp` on the box's line edit: at once if the box is editable, else as it becomes so.
    void whenEditable(std::function<void(QLineEdit*)> setUp);

protected:
    void changeEvent(QEvent* event) override;

private:
    QString startText_;
    bool fontChanged_ = false;
    std::vector<std::function<void(QLineEdit*)>> setUps_;
};

// A command button that Enter and Return press when it has the focus, as Space does: the desktop's
// buttons work that way everywhere, while Qt's answer Enter only inside dialogs. It never becomes a
// default button that Enter would press from another control.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A check box whose user clicks only tick and clear; the greyed state comes from code alone.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

// The order body box: several lines with a vertical scroll bar. Its text keeps line ends as "\n",
// so a copy gives them back as CR LF, the form the order e-mail is written in, as plain text only.
class BodyBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit BodyBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

// A captioned frame as the window draws it: a thin grey border with the caption sitting in its top
// edge, and the page's own light yellow inside (a default group box tints its inside). The last
// touches of its controls (see Form1) are made once, before the frame is first painted at the latest.
class PageFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    void prepare(); // now, unless made already
    bool isPrepared() const { return prepared_; }
signals:
    void preparing(); // once

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool prepared_ = false;
};

// A thin straight line, as the remittance box's four sides.
class LineShape : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Check box values as the program speaks of them: 0 clear, 1 ticked, 2 greyed. Setting a value
// runs the box's click handler (stateChanged) only when the value changes.
int checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, int value);

// Selecting an option clears the others of its group; clearing one leaves the others as they are,
// so the group can end with none selected.
void setOptionValue(QRadioButton* option, bool selected);

} // namespace form
