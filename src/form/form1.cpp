#include "form/form1.h"

#include "form/accessibility.h"
#include "form/caption_fit.h"
#include "form/layout_types.h"
#include "form/looks.h"
#include "form/navigation.h"
#include "form/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <limits>
#include <utility>

namespace form {

namespace {

    constexpr int twipsPerPixel = 15;
    constexpr int clientWidth = 5385 / twipsPerPixel;
    constexpr int clientHeight = 8640 / twipsPerPixel;

    int px(int twips) { return qRound(double(twips) / twipsPerPixel); }

    QRect pixelRect(const Twips& t) { return { px(t.left), px(t.top), px(t.width), px(t.height) }; }

    // A line is drawn one pixel wide from one end point to the other.
    QRect lineRect(const Twips& ends)
    {
        const int x1 = px(ends.left), y1 = px(ends.top), x2 = px(ends.width), y2 = px(ends.height);
        return { qMin(x1, x2), qMin(y1, y2), qAbs(x1 - x2) + 1, qAbs(y1 - y2) + 1 };
    }

    // The same colour in every state, enabled or not, active or not.
    void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
    {
        QPalette p = w->palette();
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            p.setColor(group, role, colour);
        w->setPalette(p);
    }

    void setInk(QWidget* w, Ink ink, QPalette::ColorRole role = QPalette::WindowText)
    {
        if (ink != Ink::Default)
            setColour(w, role, inkColour(ink));
    }

    QWidget* makeLabel(const ControlSpec& row, QWidget* parent)
    {
        auto* label = new LinkLabel(parent);
        label->setLink(row.pointer == Pointer::Link);
        label->setTextFormat(Qt::PlainText);
        label->setText(row.caption);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | (row.alignRight ? Qt::AlignRight : Qt::AlignLeft));
        setInk(label, row.ink);
        if (row.pointer == Pointer::Link) {
            label->setCursor(Qt::PointingHandCursor);
            label->setAccessibleDescription(QStringLiteral("開啟網頁"));
        } else if (row.pointer == Pointer::IBeam)
            label->setCursor(Qt::IBeamCursor);
        return label;
    }

    QWidget* makeTextBox(const ControlSpec& row, QWidget* parent)
    {
        if (row.multiLine) {
            auto* box = new BodyBox(parent);
            box->setPlainText(row.caption);
            return box;
        }
        auto* box = new QLineEdit(parent);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setText(row.caption);
        box->setReadOnly(row.locked);
        if (row.geometry.height > 2 * 285) // a tall one-line box shows its line at the top
            box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setCursorPosition(0);
        return box;
    }

    QWidget* makeComboBox(const ControlSpec& row, QWidget* parent)
    {
        auto* box = new QuantityBox(row.items, row.caption, parent);
        setColour(box, QPalette::Base, windowBackground);
        setInk(box, row.ink, QPalette::Text);
        return box;
    }

    // The caption is set once the frame has its font, so no other face is loaded to measure it.
    QWidget* makeFrame(QWidget* parent) { return new PageFrame(parent); }

    // The window's pictures ship as raw pixels, row after row with nothing else, at the size they
    // are shown at (scripts/make-artwork makes them), so that nothing is decoded before the first
    // paint. They are stored in the form Qt keeps a picture in for drawing,
    // 32-bit pixels in the machine's byte order (premultiplied ARGB, or opaque RGB), so the picture
    // Qt draws is the program's own file as loaded: a copy in another form would hold each picture a
    // second time for as long as the window is open. `format` tells how a pixel is stored.
    QPixmap rawPicture(const QString& file, const QSize& size, QImage::Format format, qreal devicePixelRatio = 1)
    {
        const QByteArray pixels = QResource(file).uncompressedData(); // no copy: stored uncompressed
        const int bytesPerLine = size.width() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
        if (pixels.size() != qsizetype(bytesPerLine) * size.height()) {
            qWarning("%s is not a %dx%d picture", qPrintable(file), size.width(), size.height());
            return {};
        }
        QImage picture(
            reinterpret_cast<const uchar*>(pixels.constData()), size.width(), size.height(), bytesPerLine, format);
        // Set before the pixmap shares the pixels: a ratio other than 1 copies them (they are read-only),
        // on the pixmap as here.
        picture.setDevicePixelRatio(devicePixelRatio);
        return QPixmap::fromImage(picture);
    }

    // The picture comes made at its box's size, and at twice that for high-resolution screens.
    QWidget* makeImage(const ControlSpec& row, QWidget* parent)
    {
        auto* image = new QLabel(parent);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int scale = screen && screen->devicePixelRatio() > 1 ? 2 : 1;
        QString file = row.caption;
        if (scale == 2)
            file.replace(QLatin1String(".pargb"), QLatin1String("@2x.pargb"));
        image->setPixmap(
            rawPicture(file, pixelRect(row.geometry).size() * scale, QImage::Format_ARGB32_Premultiplied, scale));
        image->setScaledContents(true);
        return image;
    }

    QWidget* makeWidget(const ControlSpec& row, QWidget* parent)
    {
        switch (row.kind) {
        case Kind::Label:
            return makeLabel(row, parent);
        case Kind::TextBox:
            return makeTextBox(row, parent);
        case Kind::ComboBox:
            return makeComboBox(row, parent);
        case Kind::CommandButton:
            return new CommandButton(row.caption, parent);
        case Kind::Frame:
            return makeFrame(parent);
        case Kind::OptionButton: {
            auto* option = new QRadioButton(parent);
            option->setChecked(row.value == 1);
            return option;
        }
        case Kind::CheckBox: {
            auto* box = new CheckBox(parent);
            setCheckValue(box, row.value);
            return box;
        }
        case Kind::Image:
            return makeImage(row, parent);
        case Kind::Line:
            return new LineShape(parent);
        }
        Q_UNREACHABLE();
    }

    // Tab enters an option group at its selected button, as a group of option buttons should.
    void keepOptionGroupTabStop(QRadioButton* option)
    {
        const auto refresh = [parent = option->parentWidget()] {
            for (auto* o : parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        };
        QObject::connect(option, &QRadioButton::toggled, option, refresh);
        refresh();
    }

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    presentLinksToScreenReaders();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tovira幫你算"));
    setWindowIcon(QIcon(rawPicture(QStringLiteral(":/pictures/icon-80.xrgb"), { 80, 80 }, QImage::Format_RGB32)));
    setFixedSize(clientWidth, clientHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, windowBackground);
    setPalette(p);
    setAutoFillBackground(true);
    controls_.insert(objectName(), this);
    // The application's font (message boxes, tool tips) is set while the window is being built, so
    // that no control is told of the change. Until every control has its own font, it is the window's
    // text font, which the first page draws with: a text box lays out its empty line in the
    // application's font before it is given its own, and that font is then one loaded already.
    textRatio_ = devicePixelRatioF();
    QApplication::setFont(drawnFont(mingFont({}), textRatio_));

    for (const ControlSpec& row : layoutTable()) {
        QWidget* parentWidget = controls_.value(row.container);
        Q_ASSERT_X(parentWidget, "Form1", qPrintable(row.container));
        QWidget* w = makeWidget(row, parentWidget);
        w->setObjectName(row.name);
        w->setGeometry(row.kind == Kind::Line ? lineRect(row.geometry) : pixelRect(row.geometry));
        if (row.kind != Kind::Image && row.kind != Kind::Line)
            w->setFont(drawnFont(row.font.windowDefault ? windowDefaultFont() : mingFont(row.font), textRatio_));
        if (auto* label = qobject_cast<LinkLabel*>(w))
            captions_.push_back({ label, w->geometry() });
        if (auto* frame = qobject_cast<PageFrame*>(w)) {
            frame->setTitle(row.caption);
            connect(frame, &PageFrame::preparing, this, [this, frame] { preparePage(frame); });
            pages_.push_back(frame);
        }
        if (!row.toolTip.isEmpty())
            w->setToolTip(row.toolTip);
        w->setEnabled(row.enabled);
        w->setVisible(row.visible);
        if (auto* option = qobject_cast<QRadioButton*>(w))
            keepOptionGroupTabStop(option);
        controls_.insert(row.name, w);
    }

    QApplication::setFont(drawnFont(windowDefaultFont(), textRatio_)); // every control has its own now

    QWidget* previous = nullptr;
    for (const FocusChain& chain : focusChains()) {
        for (const QString& name : chain.controls) {
            QWidget* w = control(name);
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    nameControlsForScreenReaders(*this);
}

void Form1::preparePage(const PageFrame* page)
{
    fitCaptions(page);
    for (auto* box : page->findChildren<QuantityBox*>(Qt::FindDirectChildrenOnly))
        box->makeEditable();
}

void Form1::fitCaptions(const PageFrame* page)
{
    std::vector<std::pair<QLabel*, QRect>> pageCaptions;
    for (const auto& [label, designed] : captions_) {
        if (label->parentWidget() == page)
            pageCaptions.emplace_back(label, designed);
    }
    keepCaptionsWhole(pageCaptions, clientWidth);
}

void Form1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!std::exchange(painted_, true))
        QTimer::singleShot(0, this, &Form1::prepareNextPage);
}

void Form1::prepareNextPage()
{
    // One page at a time, so that a click or key the customer gives in the meantime waits for one
    // page at most.
    for (PageFrame* page : pages_) {
        if (!page->isPrepared()) {
            page->prepare();
            QTimer::singleShot(0, this, &Form1::prepareNextPage);
            return;
        }
    }
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(screenWatched_, true))
        connect(windowHandle(), &QWindow::screenChanged, this, &Form1::suitTextToScreen);
    suitTextToScreen(); // the screen it opens on may not be the one it was built for
}

void Form1::suitTextToScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == textRatio_)
        return;
    textRatio_ = ratio;
    QApplication::setFont(drawnFont(windowDefaultFont(), ratio));
    for (QWidget* w : std::as_const(controls_)) {
        if (w != this && w->testAttribute(Qt::WA_SetFont))
            w->setFont(drawnFont(w->font(), ratio));
    }
    for (const PageFrame* page : pages_) { // the text's widths change with the way it is drawn
        if (page->isPrepared())
            fitCaptions(page);
    }
}

QWidget* Form1::control(const QString& name) const
{
    QWidget* w = controls_.value(name);
    if (!w)
        qFatal("Form1 has no control named %s", qPrintable(name));
    return w;
}

QLabel* Form1::label(const QString& name) const { return control<QLabel>(name); }
QLineEdit* Form1::textBox(const QString& name) const { return control<QLineEdit>(name); }
BodyBox* Form1::bodyBox() const { return control<BodyBox>(QStringLiteral("Text16")); }
QComboBox* Form1::comboBox(const QString& name) const { return control<QComboBox>(name); }
QPushButton* Form1::button(const QString& name) const { return control<QPushButton>(name); }
QGroupBox* Form1::frame(const QString& name) const { return control<QGroupBox>(name); }
QCheckBox* Form1::checkBox(const QString& name) const { return control<QCheckBox>(name); }
QRadioButton* Form1::optionButton(const QString& name) const { return control<QRadioButton>(name); }

QStringList Form1::controlNames() const
{
    QStringList names = controls_.keys();
    names.removeOne(objectName());
    return names;
}

void Form1::addLoadHandler(std::function<void()> handler) { loadHandlers_.push_back(std::move(handler)); }

void Form1::Form_Load()
{
    for (const auto& handler : loadHandlers_)
        handler();
}

void Form1::switchPage(const QString& from, const QString& to)
{
    QWidget* focus = focusWidget();
    const bool focusLeavesWithPage = focus && frame(from)->isAncestorOf(focus);
    frame(from)->setVisible(false);
    frame(to)->setVisible(true);
    // A keyboard user who pressed a page button carries on at the new page's first control rather
    // than on a button that is no longer shown.
    if (focusLeavesWithPage)
        focusFirstControlOf(to);
}

void Form1::focusFirstControlOf(const QString& page)
{
    for (const FocusChain& chain : focusChains()) {
        if (chain.page != page)
            continue;
        for (const QString& name : chain.controls) {
            QWidget* w = control(name);
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }
    if (QWidget* stale = focusWidget()) // a page with nothing to focus
        stale->clearFocus();
}

QGroupBox* Form1::visiblePage() const
{
    QGroupBox* shown = nullptr;
    for (const QString& name : pageNames) {
        QGroupBox* page = frame(name);
        if (!page->isHidden()) {
            if (shown)
                return nullptr;
            shown = page;
        }
    }
    return shown;
}

void Form1::centreOnScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frameRect = frameGeometry();
    frameRect.moveCenter(available.center());
    move(frameRect.topLeft());
}

} // namespace form
