#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

// An up/down pair of arrow buttons that step a value the owner keeps.
class TZoomSpinner : public QWidget
{
public:
    explicit TZoomSpinner(QWidget *parent = nullptr);

    QToolButton *UpButton() const { return FUp; }
    QToolButton *DownButton() const { return FDown; }

    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

private:
    QToolButton *FUp;
    QToolButton *FDown;
};
