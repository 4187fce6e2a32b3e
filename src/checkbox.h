#ifndef CHECKBOX_H
#define CHECKBOX_H

#include <QWidget>

class ClickableLabel;
class QCheckBox;

// A check box whose text sits in a separate word-wrapping label, so long texts wrap
// instead of widening the row; pressing the text toggles the box.
class CheckBox : public QWidget
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget *parent = nullptr);

public slots:
    void setText(const QString &text);
    void setChecked(bool state);
    bool isChecked() const;
    void setCB();

signals:
    void stateChanged(int state);

private:
    QCheckBox *checkBox;
    ClickableLabel *label;
};

#endif // CHECKBOX_H
