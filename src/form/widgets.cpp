#include "form/widgets.h"

#include "form/looks.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTextCursor>
#include <limits>
#include <utility>

namespace form {

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

QuantityBox::QuantityBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    // Qt's editable combo box picks a matching item when editing finishes (focus leaves, Enter, or
    // the list opens) and appends typed text on Enter. Here only a choice from the list counts, so
    // the line edit's end-of-editing signals are kept from the combo box, and nothing completes or
    // inserts typed text.
    QLineEdit* edit = lineEdit();
    QObject::disconnect(edit, SIGNAL(editingFinished()), this, nullptr);
    QObject::disconnect(edit, SIGNAL(returnPressed()), this, nullptr);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    edit->setMaxLength(std::numeric_limits<int>::max());
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Once per press: a held key repeats nothing, as with Space.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void CheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

BodyBox::BodyBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QMimeData* BodyBox::createMimeDataFromSelection() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

void PageFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2; // the border runs through the caption's middle
    painter.setPen(frameBorder);
    painter.drawRect(0, borderTop, width() - 1, height() - 1 - borderTop);
    if (title().isEmpty())
        return;
    const QRect caption(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, windowBackground);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

void PageFrame::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    if (!std::exchange(shown_, true))
        emit firstShown();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void setCheckValue(QCheckBox* box, int value)
{
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void setOptionValue(QRadioButton* option, bool selected)
{
    if (selected || !option->isChecked()) {
        option->setChecked(selected);
        return;
    }
    // An exclusive group refuses to clear its selected button; step outside the group for a moment.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace form
