#ifndef SETTINGFORM_H
#define SETTINGFORM_H

#include <QWidget>

class QSlider;

// A two-digit LCD number beside a horizontal slider: one numeric quiz setting.
class SettingForm : public QWidget
{
    Q_OBJECT

public:
    explicit SettingForm(QWidget *parent = nullptr);

    // Sets the range first, so the slider clamps a value outside it.
    void setRangeAndValue(int minimum, int maximum, int value);
    int getValue() const;

signals:
    void sliderValueChanged(int sliderValue);

private:
    QSlider *slider;
};

#endif // SETTINGFORM_H
