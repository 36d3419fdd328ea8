#pragma once
#include <functional>

#include <QWidget>

namespace platform {

// A static rectangle filled black; whoever owns the dialog may paint on it afterwards.
class PaintArea final : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    explicit PaintArea(QWidget* parent) : QWidget(parent) {}
    void SetPainter(Painter painter) { painter_ = std::move(painter); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
};

}  // namespace platform
