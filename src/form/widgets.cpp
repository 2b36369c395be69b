#include "form/widgets.h"

#include "form/looks.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
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

QuantityBox::QuantityBox(const QStringList& items, const QString& text, QWidget* parent)
    : QComboBox(parent)
    , startText_(text)
{
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    setCurrentIndex(-1);
}

void QuantityBox::makeEditable()
{
    if (isEditable())
        return;
    if (std::exchange(fontChanged_, false)) {
        QEvent fontChange(QEvent::FontChange);
        QComboBox::changeEvent(&fontChange);
    }
    setEditable(true);
    QLineEdit* edit = lineEdit();
    // Qt's focus order takes a box and its line edit as one stretch of the window's focus chain, box
    // first, while a new line edit joins the chain at its end: Shift+Tab would find the boxes there,
    // after every other control. The line edit moves to right after its box; for the move it is not
    // the box's proxy, or Qt would take it for the end of the box's own stretch.
    edit->setFocusProxy(nullptr);
    QWidget::setTabOrder(this, edit);
    edit->setFocusProxy(this);
    // Qt's editable combo box picks a matching item when editing finishes (focus leaves, Enter, or
    // the list opens) and appends typed text on Enter. Here only a choice from the list counts, so
    // the line edit's end-of-editing signals are kept from the combo box, and nothing completes or
    // inserts typed text.
    QObject::disconnect(edit, SIGNAL(editingFinished()), this, nullptr);
    QObject::disconnect(edit, SIGNAL(returnPressed()), this, nullptr);
    setCompleter(nullptr);
    edit->setMaxLength(std::numeric_limits<int>::max());
    setEditText(startText_);
    for (const auto& setUp : std::exchange(setUps_, {}))
        setUp(edit);
}

void QuantityBox::changeEvent(QEvent* event)
{
    // On a change of font Qt's combo box builds the popup of its list, to hand it the font, and lays
    // out the list's items, which costs more than the rest of the box. The list cannot open before
    // the box is shown, and so made editable: that is when the change is passed on.
    if (event->type() == QEvent::FontChange && !isEditable()) {
        fontChanged_ = true;
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void QuantityBox::whenEditable(std::function<void(QLineEdit*)> setUp)
{
    if (isEditable())
        setUp(lineEdit());
    else
        setUps_.push_back(std::move(setUp));
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

namespace {
    // Qt wraps a line wherever Unicode allows a break: between two ideographs, or after the "/" of
    // "8/27". The desktop's edit box breaks a line only at a blank, and only a word wider than the
    // whole line inside the word. Qt lays each block out once as it would (the editor's width comes
    // with it), then this layout lays it out again so: it breaks anywhere, then moves each line's end
    // that falls inside a word back to the blank before that word, if the line has one.
    class BlankWrapLayout : public QPlainTextDocumentLayout {
    public:
        using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

        QRectF blockBoundingRect(const QTextBlock& block) const override
        {
            const QRectF qtLayout = QPlainTextDocumentLayout::blockBoundingRect(block); // lays it out if needed
            if (!block.isValid() || block.layout()->textOption().wrapMode() == QTextOption::WrapAnywhere)
                return qtLayout; // not laid out, or laid out here already
            const_cast<BlankWrapLayout*>(this)->wrapAtBlanks(block);
            return QPlainTextDocumentLayout::blockBoundingRect(block);
        }

    private:
        void wrapAtBlanks(const QTextBlock& block)
        {
            QTextLayout* layout = block.layout();
            if (layout->lineCount() == 0)
                return;
            const int qtLines = layout->lineCount();
            const qreal width = layout->lineAt(0).width(); // every line of Qt's own layout has the full width
            const qreal margin = document()->documentMargin();
            const QString text = block.text();
            QTextOption option = layout->textOption();
            option.setWrapMode(QTextOption::WrapAnywhere);
            layout->setTextOption(option);
            layout->beginLayout();
            qreal y = 0;
            for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
                line.setLeadingIncluded(true);
                line.setLineWidth(width);
                const int start = line.textStart();
                int end = start + line.textLength();
                if (end < text.size() && !text.at(end).isSpace() && !text.at(end - 1).isSpace()) {
                    while (end > start && !text.at(end - 1).isSpace())
                        --end; // back to the word's first letter
                    int lastLetter = end;
                    while (lastLetter > start && text.at(lastLetter - 1).isSpace())
                        --lastLetter; // and over the blanks before it, which need no room at a line's end
                    if (lastLetter > start)
                        line.setLineWidth(line.cursorToX(lastLetter));
                }
                line.setPosition(QPointF(margin, y));
                y += line.height();
                if (line.leading() < 0)
                    y += qCeil(line.leading());
            }
            layout->endLayout();
            const_cast<QTextBlock&>(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
            if (layout->lineCount() != qtLines) {
                emit documentSizeChanged(documentSize());
                emit update();
            }
        }
    };
} // namespace

BodyBox::BodyBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    auto* body = new QTextDocument(this);
    body->setDocumentLayout(new BlankWrapLayout(body));
    setDocument(body);
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

void PageFrame::prepare()
{
    if (!std::exchange(prepared_, true))
        emit preparing();
}

void PageFrame::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    prepare();
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
