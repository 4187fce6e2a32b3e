#ifndef COUNTDOWN_H
#define COUNTDOWN_H

#include <QWidget>

class QLCDNumber;
class QTimer;

// The per-question timer of the quiz: counts the limit down in whole seconds on a
// two-digit display, signals the time-out and reports the whole seconds used.
class Countdown : public QWidget
{
    Q_OBJECT

public:
    explicit Countdown(QWidget *parent = nullptr);

    // True while a countdown runs; false once it has run out or been stopped.
    bool isRunning() const;

signals:
    void timeout();

public slots:
    void start(int countdownTime);
    void showRemainingTime();
    // A new countdown with the limit of the last start().
    void restart();
    void stop();
    // Whole seconds used of the current or last countdown; the full limit once it has
    // stopped or run out.
    int getUsedTime();
    // The same in milliseconds, for the learner's history.
    int getUsedMilliseconds();

private:
    QLCDNumber *lcdNumber;
    QTimer *countdownTimer;
    QTimer *displayTimer;
};

#endif // COUNTDOWN_H
