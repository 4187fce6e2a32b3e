#include "countdown.h"

#include <QLCDNumber>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The per-question countdown. Limits are kept to one second and every wait ends on a
// signal.
class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void timesOutOnceAndRestartsWithTheSameLimit();
    void stopCountsTheFullLimitAndSilencesTheTimeout();
};

void TestCountdown::timesOutOnceAndRestartsWithTheSameLimit()
{
    Countdown countdown;
    QSignalSpy timeouts(&countdown, &Countdown::timeout);
    int usedWhenHeard = -1;
    // A listener connected after construction, as the quiz connects its check.
    connect(&countdown, &Countdown::timeout, &countdown,
            [&] { usedWhenHeard = countdown.getUsedTime(); });
    countdown.start(1);
    QCOMPARE(countdown.getUsedTime(), 0);
    QVERIFY(timeouts.wait(3000));
    QCOMPARE(usedWhenHeard, 1);
    for (QTimer *timer : countdown.findChildren<QTimer *>())
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));

    countdown.restart();
    QCOMPARE(countdown.getUsedTime(), 0);
    QVERIFY(timeouts.wait(3000));
    QVERIFY(!timeouts.wait(1300)); // once per countdown, never repeating
    QCOMPARE(timeouts.count(), 2);
    QCOMPARE(countdown.getUsedTime(), 1);
}

void TestCountdown::stopCountsTheFullLimitAndSilencesTheTimeout()
{
    Countdown countdown;
    QSignalSpy timeouts(&countdown, &Countdown::timeout);
    countdown.start(1);
    auto *lcd = countdown.findChild<QLCDNumber *>(QStringLiteral("lcdNumber"));
    const int shown = lcd->intValue();
    QVERIFY(shown == 0 || shown == 1); // truncated whole seconds
    countdown.stop();
    // A stopped timer has no remaining time, so the whole limit counts as used.
    QCOMPARE(countdown.getUsedTime(), 1);
    QVERIFY(!timeouts.wait(1500));
    QCOMPARE(lcd->intValue(), shown);
}

QTEST_MAIN(TestCountdown)
#include "tst_countdown.moc"
