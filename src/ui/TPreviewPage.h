#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The preview's page picture inside its scroll box: the page on a margin of
// 2.5 % with a shadow 5 pixels deep, reporting mouse presses on it.
class TPreviewPage : public QWidget
{
public:
    static constexpr int ShadowDepth = 5;
    static constexpr double MarginPercent = 2.5;

    explicit TPreviewPage(QWidget *parent = nullptr);

    // The widget takes the page's size with margin and shadow.
    void SetPage(const QImage &page);
    const QImage &Page() const { return FPage; }
    static int Margin(QSize page);
    static QSize FramedSize(QSize page);

    std::function<void(Qt::MouseButton button)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage FPage;
};
