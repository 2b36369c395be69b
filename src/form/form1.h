#pragma once
// Form1, the program's one window. It is built once from the layout table (layout_table.cpp): every
// control exists from the start, named by its layout name, inside its page. The subsystems find
// controls by those names and connect their handlers; Form1 itself only knows pages and looks.

#include <QHash>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace form {

class LinkLabel;
class BodyBox;
class PageFrame;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // The control named `name` in the layout; aborts on a name the layout does not have, since
    // that is a programming error, never a user's.
    QWidget* control(const QString& name) const;
    template <class T> T* control(const QString& name) const
    {
        auto* w = qobject_cast<T*>(control(name));
        Q_ASSERT_X(w, "Form1::control", qPrintable(name));
        return w;
    }
    QLabel* label(const QString& name) const;
    QLineEdit* textBox(const QString& name) const; // Text1..Text15 (Text16 is bodyBox())
    BodyBox* bodyBox() const; // Text16
    QComboBox* comboBox(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QGroupBox* frame(const QString& name) const;
    QCheckBox* checkBox(const QString& name) const;
    QRadioButton* optionButton(const QString& name) const;
    bool hasControl(const QString& name) const { return controls_.contains(name); }
    QStringList controlNames() const;

    // Start-up: the subsystems register what runs once after every control exists and before the
    // window is shown; Form_Load runs them in the order they were added.
    void addLoadHandler(std::function<void()> handler);
    void Form_Load();

    // Hides `from`, then shows `to`: the two steps of every page change.
    void switchPage(const QString& from, const QString& to);
    // The one visible page, or nullptr (never, between user actions).
    QGroupBox* visiblePage() const;

    // Places the window in the middle of the screen it will open on.
    void centreOnScreen();

    // The receiving-date boxes react to a mouse press by placing the caret, nothing more.
    void Text8_MouseDown() { }
    void Text7_MouseDown() { }
    void Text10_MouseDown() { }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void focusFirstControlOf(const QString& page);
    // The last touches of a page's own controls, which cost measuring text or building widgets, so
    // they wait until the page is first shown or the window has nothing else to do, whichever comes
    // first: its captions kept whole, its quantity boxes made editable.
    void preparePage(const PageFrame* page);
    // Once the window has been painted, prepares the pages not prepared yet, one at a time.
    void prepareNextPage();
    // Keeps the captions of `page` whole, from their designed boxes.
    void fitCaptions(const PageFrame* page);
    // Decides again how every control's text, and the program's message boxes and tool tips, are
    // drawn, when the window has come to a screen of another device pixel ratio.
    void suitTextToScreen();

    QHash<QString, QWidget*> controls_;
    std::vector<std::function<void()>> loadHandlers_;
    std::vector<std::pair<LinkLabel*, QRect>> captions_; // every label, with its designed box
    std::vector<PageFrame*> pages_; // every frame, in the order of the layout
    bool painted_ = false;
    qreal textRatio_ = 0; // the device pixel ratio the text is drawn for
    bool screenWatched_ = false;
};

} // namespace form
