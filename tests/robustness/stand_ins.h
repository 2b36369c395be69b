#pragma once
// Stand-ins for what surrounds the window while a test drives it: a customer who answers every
// message box the moment it appears, and a browser that only notes which page it was asked to open.

#include <QObject>
#include <QStringList>
#include <functional>

class QUrl;

namespace robustness {

// How a customer gets rid of a message box.
enum class Answer { OkButton, ReturnKey, EscapeKey, CloseWindow };

// Watches the whole application for message boxes and answers each once its own event loop runs.
class MessageBoxAnswerer : public QObject {
    Q_OBJECT
public:
    explicit MessageBoxAnswerer(std::function<Answer()> choose);
    ~MessageBoxAnswerer() override;

    // "title|text" of every box answered since the last call, with "|icon" or "|buttons N" added
    // when a box has an icon or other than one button.
    QStringList takeAnswered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<Answer()> choose_;
    QStringList answered_;
};

// Takes the place of the default browser for http and https addresses.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    BrowserStandIn();
    ~BrowserStandIn() override;

    Q_INVOKABLE void open(const QUrl& url);
    QStringList takeOpened();

private:
    QStringList opened_;
};

} // namespace robustness
