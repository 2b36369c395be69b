// A random customer drives the real window through thousands of actions; after every one the
// window must still add up, show one page, keep the weekday/holiday pair settled, produce a sound
// order e-mail when asked, and keep exactly what was saved. A failure prints the seed and every
// action up to it, so the run can be repeated:
//   TOVIRA_SEEDS=<seed> TOVIRA_ACTIONS=<n> tst_random_customer
// TOVIRA_SEEDS takes a comma-separated list; TOVIRA_ACTIONS the number of actions per seed.

#include "form/widgets.h"
#include "pricing/catalogue.h"
#include "profile_values.h"
#include "random_customer.h"
#include "random_text.h"
#include "robustness/temporary_store.h"
#include "support/gui_support.h"
#include "window_invariants.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using form::Form1;
using namespace robustness;

namespace {

const QList<quint32> defaultSeeds { 11, 2024, 77777 };
constexpr int defaultActions = 2000;
constexpr qint64 patienceMs = 5000; // an action that holds the window longer has frozen it

const QString incompleteDetails = QStringLiteral("錯誤|收件資料不完全！！");

// Everything a customer can see change, to tell that an action changed nothing.
struct Snapshot {
    QString page;
    QStringList profile;
    QStringList quantities;
    QStringList figures;
    QString subject;
    QString body;

    explicit Snapshot(const Form1& form)
        : page(form.visiblePage() ? form.visiblePage()->objectName() : QString())
        , profile(shownProfile(form))
        , subject(form.textBox(QStringLiteral("Text15"))->text())
        , body(form.bodyBox()->toPlainText())
    {
        for (const pricing::Product& row : pricing::catalogue) {
            quantities << form.comboBox(QString::fromUtf8(row.quantityBox))->currentText();
            figures << form.label(QString::fromUtf8(row.subtotalLabel))->text()
                    << form.label(QString::fromUtf8(row.pointsLabel))->text();
        }
        for (const char* total : { "Label15", "Label16", "Label19", "Label22", "Label25", "Label68" })
            figures << form.label(QLatin1String(total))->text();
    }
    bool operator==(const Snapshot&) const = default;
};

struct Tally {
    int generated = 0;
    int ordered = 0;
    int saved = 0;
    int restarted = 0;
    int opened = 0;
    int messages = 0;
    qint64 slowestMs = 0;
    QString slowest;
};

QList<quint32> seeds()
{
    const QString list = qEnvironmentVariable("TOVIRA_SEEDS");
    if (list.isEmpty())
        return defaultSeeds;
    QList<quint32> found;
    for (const QString& s : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        found << s.trimmed().toUInt();
    return found;
}

int actionCount()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TOVIRA_ACTIONS", &ok);
    return ok && n > 0 ? n : defaultActions;
}

// Which details differ, for the failure report.
QString differences(const QStringList& found, const QStringList& expected)
{
    QStringList differ;
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (found.value(i) != expected.at(i))
            differ << QStringLiteral("%1 %2 instead of %3")
                          .arg(profileKeys().at(i), describe(found.value(i)), describe(expected.at(i)));
    return differ.join(QLatin1String(", "));
}

QStringList brokenByPress(const Form1& form, const Outcome& outcome, const Snapshot& before, Tally& tally)
{
    QStringList broken;
    QStringList expectedMessages;
    if (outcome.generated) {
        ++tally.generated;
        if (detailsComplete(form)) {
            ++tally.ordered;
            if (!form.visiblePage() || form.visiblePage()->objectName() != QLatin1String("Frame6"))
                broken << QStringLiteral("a complete order did not show the result page");
            broken += brokenOrderEmail(form);
        } else {
            expectedMessages << incompleteDetails;
            const Snapshot after(form);
            if (after.page != before.page || after.subject != before.subject || after.body != before.body)
                broken << QStringLiteral("incomplete details changed the page or the e-mail");
        }
    }
    if (outcome.saved) {
        ++tally.saved;
        const QStringList stored = storedProfile();
        if (stored != shownProfile(form))
            broken << QStringLiteral("the store does not hold the details just saved: ")
                    + differences(stored, shownProfile(form));
    }
    if (outcome.messages != expectedMessages)
        broken << QStringLiteral("message boxes [%1], expected [%2]")
                      .arg(outcome.messages.join(QLatin1String("; ")), expectedMessages.join(QLatin1String("; ")));
    tally.messages += int(outcome.messages.size());
    return broken;
}

QStringList brokenByLabelClick(const Form1& form, const Outcome& outcome, const Snapshot& before)
{
    QStringList broken;
    const bool link = outcome.clickedLabel && outcome.clickedLabel->cursor().shape() == Qt::PointingHandCursor;
    if (outcome.opened.size() != (link ? 1 : 0))
        broken << QStringLiteral("opened [%1]").arg(outcome.opened.join(QLatin1String(", ")));
    if (outcome.clickedLabel && !(Snapshot(form) == before))
        broken << QStringLiteral("a label click changed the window");
    return broken;
}

QStringList brokenByRestart(const Form1& form, const QStringList& lastSaved)
{
    QStringList broken;
    const Snapshot fresh(form);
    if (fresh.page != QLatin1String("Frame1"))
        broken << QStringLiteral("started on %1").arg(fresh.page);
    if (fresh.profile != lastSaved)
        broken << QStringLiteral("the restored details differ from the last saved ones: ")
                + differences(fresh.profile, lastSaved);
    if (fresh.quantities != QStringList(fresh.quantities.size(), QStringLiteral("00")))
        broken << QStringLiteral("quantities were kept across a restart");
    return broken;
}

} // namespace

class TestRandomCustomer : public QObject {
    Q_OBJECT

private slots:
    void customer_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : seeds())
            QTest::addRow("seed %u", seed) << seed;
    }

    void customer()
    {
        QFETCH(quint32, seed);
        const int actions = actionCount();
        TemporaryStore store;
        std::unique_ptr<Form1> program = support::startProgram();
        RandomCustomer customer(seed, program);
        QStringList lastSaved = designProfile();
        QStringList trail;
        Tally tally;
        QElapsedTimer run;
        run.start();

        for (int n = 1; n <= actions; ++n) {
            const Snapshot before(*program);
            QElapsedTimer clock;
            clock.start();
            const Outcome outcome = customer.act();
            const qint64 took = clock.elapsed();
            trail << QStringLiteral("%1. %2").arg(n).arg(outcome.action);
            if (took > tally.slowestMs) {
                tally.slowestMs = took;
                tally.slowest = trail.last();
            }

            QStringList broken = outcome.problems;
            if (QTest::currentTestFailed())
                broken << QStringLiteral("a check inside the action failed (above)");
            if (took > patienceMs)
                broken << QStringLiteral("the action held the window for %1 ms").arg(took);
            broken += brokenInvariants(*program);
            broken += brokenByPress(*program, outcome, before, tally);
            if (outcome.clickedLabel || !outcome.opened.isEmpty())
                broken += brokenByLabelClick(*program, outcome, before);
            tally.opened += int(outcome.opened.size());
            if (outcome.saved)
                lastSaved = shownProfile(*program);
            if (outcome.restarted) {
                ++tally.restarted;
                broken += brokenByRestart(*program, lastSaved);
            }

            if (!broken.isEmpty()) {
                qWarning().noquote() << "Actions of seed" << seed << "up to the failure:";
                for (const QString& line : std::as_const(trail))
                    qWarning().noquote() << " " << line;
                for (const QString& rule : std::as_const(broken))
                    qWarning().noquote() << "Broken:" << rule;
                // Qt Test prints a failure's text as Latin-1; what broke is printed above.
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 broke %3 rule(s); repeat with TOVIRA_SEEDS=%1 "
                                                "TOVIRA_ACTIONS=%2")
                                     .arg(seed)
                                     .arg(n)
                                     .arg(broken.size())));
            }
        }
        qInfo().noquote() << QStringLiteral("seed %1: %2 actions in %3 ms; %4 generate presses (%5 orders), %6 saves, "
                                            "%7 restarts, %8 pages opened, %9 message boxes; slowest %10 ms: %11")
                                 .arg(seed)
                                 .arg(actions)
                                 .arg(run.elapsed())
                                 .arg(tally.generated)
                                 .arg(tally.ordered)
                                 .arg(tally.saved)
                                 .arg(tally.restarted)
                                 .arg(tally.opened)
                                 .arg(tally.messages)
                                 .arg(tally.slowestMs)
                                 .arg(tally.slowest);
    }
};

QTEST_MAIN(TestRandomCustomer)
#include "tst_random_customer.moc"
