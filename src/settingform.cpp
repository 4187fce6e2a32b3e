#include "settingform.h"

#include <QGridLayout>
#include <QLCDNumber>
#include <QSlider>

namespace {
const int lcdMinimumWidth = 90;
const int lcdMinimumHeight = 48;
} // namespace

SettingForm::SettingForm(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    auto *lcdNumber = new QLCDNumber(2, this);
    lcdNumber->setObjectName(QStringLiteral("lcdNumber"));
    // Solid segments at a readable height; the default outline digits are hard to read.
    lcdNumber->setSegmentStyle(QLCDNumber::Flat);
    lcdNumber->setMinimumSize(lcdMinimumWidth, lcdMinimumHeight);
    slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("slider"));
    layout->addWidget(lcdNumber, 0, 0);
    layout->addWidget(slider, 0, 1, 1, 2);

    connect(slider, &QSlider::valueChanged, lcdNumber, qOverload<int>(&QLCDNumber::display));
    connect(slider, &QSlider::valueChanged, this, &SettingForm::sliderValueChanged);
    // The display follows changes only; start it on the slider's value so the two agree
    // even when the first value set equals the default.
    lcdNumber->display(slider->value());
}

void SettingForm::setRangeAndValue(int minimum, int maximum, int value)
{
    slider->setRange(minimum, maximum);
    slider->setValue(value);
}

int SettingForm::getValue() const
{
    return slider->value();
}
