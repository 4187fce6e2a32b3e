#ifndef INVALIDMARKING_H
#define INVALIDMARKING_H

class QWidget;

// The program's one way of pointing at a problem: the widget's text turns solid red in
// every colour group; marking it valid gives it the application palette back.
class InvalidMarking
{
public:
    static void mark(QWidget *widget, bool invalid = true);
};

#endif // INVALIDMARKING_H
