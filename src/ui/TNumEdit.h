#pragma once

#include <QLineEdit>
#include <functional>

class QFocusEvent;

// A field for a non-negative decimal number that keeps the exact value it
// was given: the text is only its display, so converting a value there and
// back loses nothing to the displayed decimals. Typing replaces the value
// with what was typed.
class TNumEdit : public QLineEdit
{
public:
    using TFormatter = std::function<QString(double)>;

    explicit TNumEdit(QWidget *parent = nullptr);

    // How values show, and how many decimals typing may add; at most six
    // digits go before the point.
    void SetFormat(TFormatter formatter, int decimals);
    double Value() const { return FValue; }
    void SetValue(double value);

    // Called when focus moves to another control of the window.
    std::function<void()> OnExit;

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void TakeTypedValue(const QString &text);

    TFormatter FFormatter;
    double FValue = 0.0;
};
