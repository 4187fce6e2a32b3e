#include "countdown.h"

#include <QGridLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QTimer>

#include <limits>

Countdown::Countdown(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    auto *timeLabel = new QLabel(tr("Time: "), this);
    QFont boldFont = timeLabel->font();
    boldFont.setWeight(QFont::Bold);
    timeLabel->setFont(boldFont);
    lcdNumber = new QLCDNumber(2, this);
    lcdNumber->setObjectName(QStringLiteral("lcdNumber"));
    lcdNumber->setSegmentStyle(QLCDNumber::Flat);
    layout->addWidget(timeLabel, 0, 0);
    layout->addWidget(lcdNumber, 0, 1);

    countdownTimer = new QTimer(this);
    countdownTimer->setObjectName(QStringLiteral("countdownTimer"));
    // A coarse timer may fire up to 5 % early, which a limit of seconds would notice.
    countdownTimer->setTimerType(Qt::PreciseTimer);
    // Stopped first, so the timer is inactive by the time anybody hears the time-out.
    connect(countdownTimer, &QTimer::timeout, countdownTimer, &QTimer::stop);
    connect(countdownTimer, &QTimer::timeout, this, &Countdown::timeout);

    displayTimer = new QTimer(this);
    displayTimer->setObjectName(QStringLiteral("displayTimer"));
    connect(displayTimer, &QTimer::timeout, this, &Countdown::showRemainingTime);
    connect(displayTimer, &QTimer::timeout, displayTimer, qOverload<>(&QTimer::start));

    connect(this, &Countdown::timeout, displayTimer, &QTimer::stop);
    displayTimer->setInterval(1000);
}

bool Countdown::isRunning() const
{
    return countdownTimer->isActive();
}

void Countdown::start(int countdownTime)
{
    // The interval in milliseconds must fit an int.
    const int seconds = qBound(0, countdownTime, std::numeric_limits<int>::max() / 1000);
    countdownTimer->setInterval(seconds * 1000);
    countdownTimer->start();
    showRemainingTime();
    displayTimer->start();
}

void Countdown::restart()
{
    countdownTimer->start();
    showRemainingTime();
    displayTimer->start();
}

void Countdown::stop()
{
    if (countdownTimer->isActive())
        countdownTimer->stop();
    if (displayTimer->isActive())
        displayTimer->stop();
}

void Countdown::showRemainingTime()
{
    lcdNumber->display(countdownTimer->remainingTime() / 1000);
}

int Countdown::getUsedMilliseconds()
{
    return countdownTimer->interval() - qMax(0, countdownTimer->remainingTime());
}

int Countdown::getUsedTime()
{
    // remainingTime() is -1 for a timer that is not running, so a stopped or expired
    // countdown counts its full limit.
    return (countdownTimer->interval() - countdownTimer->remainingTime()) / 1000;
}
